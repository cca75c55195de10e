#include "core/cursor_file.h"

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QPixmap>

namespace {

// Little-endian 16- and 32-bit values of the header.
unsigned wort(const QByteArray& d, int stelle)
{
    return unsigned(uchar(d[stelle])) | unsigned(uchar(d[stelle + 1])) << 8;
}
quint32 doppelwort(const QByteArray& d, int stelle)
{
    return quint32(wort(d, stelle)) | quint32(wort(d, stelle + 2)) << 16;
}

// Header: reserved 0, type 2 (cursor), number of pictures; then one entry of
// 16 bytes per picture, the first one's hot spot at bytes 4 ... 7 of it.
constexpr int KopfLaenge = 6;
constexpr int EintragLaenge = 16;

}  // namespace

std::optional<QCursor> LadeCursor(const QString& pfad)
{
    QFile datei(pfad);
    if (!datei.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray daten = datei.read(1 << 20);
    if (daten.size() < KopfLaenge + EintragLaenge || wort(daten, 0) != 0 || wort(daten, 2) != 2 ||
        wort(daten, 4) < 1)
        return std::nullopt;
    const int eintrag = KopfLaenge;
    const quint32 laenge = doppelwort(daten, eintrag + 8);
    const quint32 beginn = doppelwort(daten, eintrag + 12);
    if (beginn < quint32(KopfLaenge + EintragLaenge) || beginn > quint32(daten.size()) ||
        laenge > quint32(daten.size()) - beginn)
        return std::nullopt;
    const QPoint heiß(int(wort(daten, eintrag + 4)), int(wort(daten, eintrag + 6)));

    QBuffer puffer;
    puffer.setData(daten);
    QImageReader leser(&puffer, "ico");
    const QImage bild = leser.read();
    if (bild.isNull() || !bild.rect().contains(heiß))
        return std::nullopt;
    return QCursor(QPixmap::fromImage(bild), heiß.x(), heiß.y());
}
