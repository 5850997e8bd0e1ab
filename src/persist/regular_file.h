#pragma once

#include <sys/types.h>
#include <QByteArray>
#include <QString>
#include <chrono>
#include <optional>

// Files in a folder that others may write (a copied folder, a USB stick, a shared PC): nothing
// here follows a symbolic link, reads or writes anything but a regular file, or leaves the
// file's own folder.

// What starts the name of a save's new file: no person names a file so.
inline constexpr const char* kSaveTempPrefix = ".tezra-save.";

// The first maxBytes bytes of a regular file, or nullopt when it is a link, a pipe, a device or
// a folder, or cannot be opened.
std::optional<QByteArray> ReadRegularFile(const QString& path, qint64 maxBytes);

// Replaces the file with the bytes: a new file written in its folder and renamed over it, so a
// failure leaves the old file as it was and a file with other links (hard links) is parted from
// them. When the folder takes no new files but the file may be written, it is written in place
// instead, unless it has other links; a failure may then damage it. Nothing is written over a
// link or anything else that is no regular file. The file keeps its mode; in a private folder
// (IsPrivateFolder) it is made or kept private too. A failure returns false and says so in one
// line on standard error.
bool WriteRegularFile(const QString& path, const QByteArray& bytes);

// Whether WriteRegularFile could write the file; tried, since permissions say nothing for root
// or a read-only mount. Leaves nothing behind.
bool CanWriteRegularFile(const QString& path);

// Whether the folder is this user's and closed to everyone else, as the user's data folder is.
// The files the game writes there are closed to others as well: the record holds children's
// names. A folder open to others (a game folder the pupils of a shared PC share) keeps the modes
// its files were given.
bool IsPrivateFolder(const QString& folder);

// The mode without the rights of group and others.
constexpr mode_t PrivateMode(mode_t mode) {
    return mode & 07700;
}

// Removes the new files of saves that were cut short in the folder: only our own regular files,
// only those last written before `start`, since a newer one may be another copy's save in
// progress.
void RemoveSaveLeftovers(const QString& folder, std::chrono::system_clock::time_point start);

// Says in one line on standard error that the file was not saved, and why; returns false.
bool ReportNotSaved(const QString& path, const QString& why);
