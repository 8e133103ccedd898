#pragma once

#include <QByteArrayView>

#include <optional>
#include <string>

// Writes one of the command's outputs (a CSV file, a page, a plot) to path as
// WriteFileReplacing does: the earlier file stays whole when the new one
// cannot be written. A symbolic link at path, or at a folder on the way to it,
// is not followed, since in a shared folder anyone may have planted it: the
// output is then refused, and the path the links resolve to can be named
// instead. Returns the message for the
// user, with what the output is, article and all ("a CSV-fájl"), and why it
// failed.
std::optional<std::string> WriteOutputFile(const std::string& path, QByteArrayView bytes, const std::string& what);

// The message WriteOutputFile would give in the end for a link on path, so
// that a long run is refused before it starts rather than after.
std::optional<std::string> OutputLinkRefusal(const std::string& path, const std::string& what);
