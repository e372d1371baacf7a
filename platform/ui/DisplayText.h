// Bytes on screen. Values stay bytes everywhere; only a window converts them,
// and only for showing: valid UTF-8 is shown as UTF-8, anything else byte for
// byte as Latin-1. Converting the shown text back gives exactly the bytes it
// came from, so an untouched value never changes.
#ifndef TARNIW_PLATFORM_DISPLAYTEXT_H
#define TARNIW_PLATFORM_DISPLAYTEXT_H

#include "tarniw/TarnTypes.h"

#include <QString>

bool IsValidUtf8(const CString &bytes);

QString ToDisplay(const CString &bytes);

// The bytes behind a shown text: when shown equals ToDisplay(original), the
// original bytes; otherwise the text typed by the user, as UTF-8.
CString FromDisplay(const QString &shown, const CString &original = CString());

#endif
