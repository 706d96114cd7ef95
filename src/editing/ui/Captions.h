#pragma once

#include "core/BilingualText.h"

class QWidget;

namespace aec {

// The Chinese and English caption of a control, kept on the control itself; the caption
// language decides which one shows and the other becomes its hint (tooltip).
void SetCaptions(QWidget* control, const BilingualText& text);
BilingualText Captions(const QWidget* control);
bool HasCaptions(const QWidget* control);

// Shows every captioned control under `root` in the language (true: Chinese).
void ShowCaptions(QWidget* root, bool chinese);
void ShowCaption(QWidget* control, bool chinese);

} // namespace aec
