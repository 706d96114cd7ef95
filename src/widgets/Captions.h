#pragma once

#include "core/BilingualText.h"

class QWidget;

namespace aec {

// Shows every control that the caption table names under `root` in the language (true:
// Chinese), the other language as its hint, then the captions written at run time.
void ShowCaptions(QWidget* root, bool chinese);

// A caption chosen at run time (which pair a shared control shows depends on the page): kept
// on the control and shown in the language.
void SetCaptions(QWidget* control, const BilingualText& text);
void ShowCaption(QWidget* control, bool chinese);
// Writes a pair's text into a label, button or group box, the other language as its hint.
void WriteCaption(QWidget* control, const BilingualText& text, bool chinese);

} // namespace aec
