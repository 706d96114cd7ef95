#pragma once

#include "core/BilingualText.h"

#include <QString>
#include <QStringList>

#include <vector>

namespace aec {

// Every caption of the main window as a Chinese and English pair, with the controls that
// carry it, in the window's order: the one place where a caption is written. The language
// shows one text of each pair and hints the other.
struct CaptionRow
{
    QStringList controls;
    BilingualText text;
};

const std::vector<CaptionRow>& CaptionTable();

// The pair a control carries, or an empty pair for a control the table does not name.
BilingualText CaptionOf(const QString& control);

} // namespace aec
