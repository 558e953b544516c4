#pragma once

#include <QList>
#include <QString>
#include <utility>
#include <optional>

namespace platform {

/**
 * Reads and writes single values of an INI file: "[section]" headers and "key=value" lines.
 * Values are raw text (a backslash is just a backslash); section and key names match
 * regardless of letter case; spaces and tabs around names and values are not part of them.
 * The file is UTF-8 (a Latin-1 file of older versions is still read right); LF or CR LF line
 * ends are read, CR LF is written.
 */
class IniFile {
public:
    IniFile() = delete;

    /** The value of @p key in @p section, or nothing when the file, section or key is missing. */
    static std::optional<QString> rawValue(const QString &path, const QString &section,
                                           const QString &key);

    /**
     * The value of @p key in @p section, or @p defaultValue when it is missing.
     * A key that exists with an empty value gives an empty text, not the default.
     */
    static QString readValue(const QString &path, const QString &section, const QString &key,
                             const QString &defaultValue = QString());

    /**
     * Sets @p key in @p section to @p value, keeping every other line of the file. Creates
     * the file and its folder when missing and replaces the file only once the new one is
     * completely written. On failure returns false and puts a readable reason in @p error.
     */
    static bool writeValue(const QString &path, const QString &section, const QString &key,
                           const QString &value, QString *error = nullptr);

    /** Sets every key of @p values in @p section in one write: all of them or, on failure, none. */
    static bool writeValues(const QString &path, const QString &section,
                            const QList<std::pair<QString, QString>> &values,
                            QString *error = nullptr);
};

/**
 * A file path as a settings key that reads back as the same key: '%', '=', '[', ']', ';', '#',
 * control characters and blanks at the ends are written as %XX (non-ASCII letters stay, the
 * file is UTF-8). Keys match regardless of letter case, as on Windows file systems.
 */
QString settingsKeyOfPath(const QString &path);

/**
 * Where Tessel keeps its settings: "Tessel.ini" in the program folder when that folder is not
 * an installation's shared data folder and the file exists there or the folder is writable
 * (a build folder or a portable copy), otherwise in the user's configuration folder, which
 * is created by the first write.
 */
QString settingsFilePath();

} // namespace platform
