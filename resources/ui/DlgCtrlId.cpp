#include "resources/ui/DlgCtrlId.h"

#include <QVariant>
#include <QWidget>

void SetDlgCtrlID(QWidget *pWidget, int nID)
{
    pWidget->setProperty(kDlgIdProperty, nID);
}

int GetDlgCtrlID(const QWidget *pWidget)
{
    return pWidget->property(kDlgIdProperty).toInt();
}

QWidget *GetDlgItem(const QWidget *pParent, int nID)
{
    if (!pParent)
        return nullptr;
    const QList<QWidget *> children = pParent->findChildren<QWidget *>();
    for (QWidget *child : children) {
        const QVariant id = child->property(kDlgIdProperty);
        if (id.isValid() && id.toInt() == nID)
            return child;
    }
    return nullptr;
}
