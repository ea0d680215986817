#include "data/downloadlines.h"

static void appendWrapped(QStringList &out, QStringView line)
{
    while (line.size() > kDownloadWrapColumn) {
        // The blank stays at the end of its line, as a word-wrapping control leaves it.
        const qsizetype blank = line.left(kDownloadWrapColumn).lastIndexOf(QLatin1Char(' '));
        const qsizetype cut = blank >= 0 ? blank + 1 : kDownloadWrapColumn;
        out << line.left(cut).toString();
        line = line.mid(cut);
    }
    out << line.left(kDownloadLineLimit).toString();
}

QStringList downloadLines(const QString &buffer)
{
    QStringList out;
    qsizetype start = 0;
    const qsizetype n = buffer.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = buffer.at(i);
        if (c != QLatin1Char('\r') && c != QLatin1Char('\n'))
            continue;
        appendWrapped(out, QStringView(buffer).mid(start, i - start));
        if (c == QLatin1Char('\r') && i + 1 < n && buffer.at(i + 1) == QLatin1Char('\n'))
            ++i;
        start = i + 1;
    }
    if (start < n)
        appendWrapped(out, QStringView(buffer).mid(start));
    return out;
}
