#include "data/export.h"

#include "app/errors.h"
#include "data/stringgrid.h"

#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>

QByteArray exportHeading()
{
    QByteArray h = "FECHA       " " HORA     ";
    for (int k = 1; k <= 16; ++k)
        h += "CH" + QByteArray::number(k) + (k == 10 ? "   " : k < 10 ? "   " : "  ");
    return h;
}

QByteArray exportText(const StringGrid &grid, int dataRows)
{
    QByteArray out = exportHeading() + "\r\n\r\n";
    for (int r = 1; r <= dataRows; ++r) {
        for (int c = 1; c <= 18; ++c) {
            out += grid.cell(c, r).toLatin1();
            out += "  ";
        }
        out += "\r\n";
    }
    return out;
}

namespace {
QString ioMessage(const QSaveFile &file, const QString &path, bool opening)
{
    switch (file.error()) {
    case QFileDevice::ResourceError:
        return QStringLiteral("Disk full");
    case QFileDevice::OpenError: {
        const QFileInfo info(path);
        if (!QFileInfo(info.absolutePath()).isDir() || info.fileName().isEmpty())
            return QStringLiteral("Invalid filename");
        if ((info.exists() && !info.isWritable()) || !QFileInfo(info.absolutePath()).isWritable())
            return QStringLiteral("File access denied");
        break;
    }
    default:
        break;
    }
    const int code = errno ? errno : (opening ? EACCES : EIO);
    return QStringLiteral("I/O error %1").arg(code);
}
} // namespace

void writeFileReplacing(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    errno = 0;
    if (!file.open(QIODevice::WriteOnly))
        throw AppError(ioMessage(file, path, true));
    errno = 0;
    if (file.write(bytes) != bytes.size() || !file.commit()) {
        const QString message = ioMessage(file, path, false);
        file.cancelWriting();
        throw AppError(message);
    }
}
