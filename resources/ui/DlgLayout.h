// Builds a dialog window to its template: font, caption, frame, size and the
// place of every control, in pixels computed from the dialog's own font.
//
// A dialog class creates its widgets and marks each one with the dynamic
// property "dlgId" (its control id); then ApplyDlgTemplate() gives the dialog
// its look. Calling it again after the
// font changed lays the dialog out anew.
#ifndef TARNIW_RESOURCES_DLGLAYOUT_H
#define TARNIW_RESOURCES_DLGLAYOUT_H

#include "resources/core/DlgTemplate.h"

#include <QFont>
#include <QRect>

class QDialog;
class QWidget;

// Average width of "A".."Z" "a".."z" (rounded) and height of the font.
sDlgBaseUnits DlgBaseUnits(const QFont &font);

QRect DlgRectToPixels(const sRect &rcDlu, const sDlgBaseUnits &base);

// The template's font, under the name it gives; Qt substitutes a face that
// exists.
QFont DlgFont(const sDlgTemplate &tmpl);

// Frame and caption buttons of the template; a template without a caption
// gives a frameless popup.
Qt::WindowFlags DlgWindowFlags(const sDlgTemplate &tmpl);

// Font, caption, window flags and client size of the dialog (fixed unless
// the template is resizable), then the controls marked with "dlgId".
void ApplyDlgTemplate(QDialog *pDlg, const sDlgTemplate &tmpl);

// Places the children of pDlg that carry the property "dlgId" at their
// rectangles, hides the hidden ones and makes the default push button the
// default. Controls sharing an id (IDC_STATIC) are told apart by their text
// ("text" or "title" property).
void PlaceDlgControls(QWidget *pDlg, const sDlgTemplate &tmpl);

#endif
