#pragma once

class QFile;
class QString;

namespace fileread {

// Opens a user's file for reading only when it is a regular file. A FIFO, a device or a socket
// named like a picture is refused without blocking: opening a FIFO for reading would wait for
// a writer that never comes.
bool openRegularFile(QFile &file, const QString &path);

} // namespace fileread
