#pragma once

#include "core/Game.h"
#include "document/ConfigFile.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <cstdint>
#include <optional>

namespace document {

/** What a recovery file keeps of one document with unsaved changes. */
struct RecoveryRecord {
    QString title;   // the window's caption
    QString path;    // the file it belongs to; empty for a document never saved
    core::Game game = core::Game::Blank;
    int32_t modId = 0;
    QString modName; // the mod menus the document showed
    QDateTime written;
    QByteArray rtf;  // the text with its colours, as Copy puts it out
    LineEnds lineEnds = LineEnds::CrLf; // what Save writes

    friend bool operator==(const RecoveryRecord &, const RecoveryRecord &) = default;
};

/** The largest recovery file read back; a config is at most 16 MB, its RTF a few times that. */
constexpr qint64 kMaxRecoveryFileBytes = 256 * 1024 * 1024;

/**
 * A recovery file: a header of "name: value" lines (values percent-encoded), a blank
 * line, then the RTF. The header carries the RTF's length and SHA-256, so a truncated
 * or damaged file is recognised.
 */
QByteArray encodeRecovery(const RecoveryRecord &record);

/** The record in @p bytes, or nothing with a readable @p reason when it is damaged. */
std::optional<RecoveryRecord> decodeRecovery(const QByteArray &bytes, QString *reason = nullptr);

} // namespace document
