#pragma once
// The sheet's picture on screen: a retained image at 96 dots per inch times
// the device pixel ratio. Lines and dots are set pixel by pixel without
// antialiasing, so every pixel holds exactly the colour that was drawn and
// Point answers it; text goes through QPainter, also without antialiasing.

#include "core/ausgabe.h"

#include <QFont>
#include <QImage>
#include <functional>
#include <vector>

class Bildschirmflaeche : public Ausgabe {
public:
    Bildschirmflaeche(float breiteMm, float hoeheMm, qreal pixelVerhaeltnis = 1.0);

    void Line(float x1, float y1, float x2, float y2, std::optional<int32_t> farbe) override;
    void PSet(float x, float y, int32_t farbe) override;
    void Print(const QString& text) override;
    float TextWidth(const QString& text) override;
    double ScaleX(double mm) const override { return mm * pixelProMm_; }
    float ScaleWidth() const override { return breiteMm_; }
    float ScaleHeight() const override { return hoeheMm_; }
    void Cls() override;
    int32_t Point(float x, float y) override;
    bool IstDrucker() const override { return false; }
    bool HintergrundHolen(const QByteArray& schluessel) override;
    void HintergrundMerken(const QByteArray& schluessel) override;

    const QImage& Bild() const { return bild_; }
    qreal PixelVerhaeltnis() const { return verhaeltnis_; }
    double PixelProMm() const { return pixelProMm_; }
    // Called once after the picture has changed, until the view has been
    // painted again (Gezeigt).
    void SetzeAenderungsMelder(std::function<void()> melder) { melder_ = std::move(melder); }
    void Gezeigt() { geaendert_ = false; }

private:
    // The dot of the current DrawWidth as one span of columns per row, and
    // for each column the span of rows, relative to the dot's centre pixel.
    struct Spanne {
        int von, bis;
    };
    void bereiteMaske();
    void pixelZugriff();
    void stempel(int px, int py, QRgb farbe);
    void strecke(int x0, int y0, int x1, int y1, QRgb farbe);
    void waagerecht(int xa, int xb, int py, QRgb farbe);
    void senkrecht(int px, int ya, int yb, QRgb farbe);
    void fuelleZeile(int y, int xa, int xb, QRgb farbe);
    void geaendert();
    QFont schrift() const;
    // Tiles of the picture written since the kept background was put back.
    void markiere(int x0, int y0, int x1, int y1);
    void markiereStrecke(int x0, int y0, int x1, int y1);
    void markiereText(const QString& text);

    float breiteMm_;
    float hoeheMm_;
    qreal verhaeltnis_;
    double pixelProMm_;
    QImage bild_;
    int breitePx_ = 0;
    int hoehePx_ = 0;
    uchar* bits_ = nullptr;
    qsizetype zeilenLaenge_ = 0;
    int maskeBreite_ = 0;
    int maskeVon_ = 0;
    std::vector<Spanne> zeilen_;   // per row offset maskeVon_ + k: the columns
    std::vector<Spanne> spalten_;  // per column offset maskeVon_ + k: the rows
    bool geaendert_ = false;
    std::function<void()> melder_;

    // The kept background and the drawing state it was kept with; the tiles
    // of kachelB_ by kachelH_ pixels written since it was last put back (all
    // of them after Cls).
    static constexpr int kachelB_ = 8;
    static constexpr int kachelH_ = 8;
    QImage hintergrund_;
    QByteArray hintergrundSchluessel_;
    struct Zustand {
        int DrawWidth;
        int32_t ForeColor;
        bool FontBold;
        float FontSize;
        QString FontName;
        float CurrentX, CurrentY;
    };
    Zustand hintergrundZustand_{};
    int kachelnX_ = 0;
    int kachelnY_ = 0;
    std::vector<unsigned char> beschrieben_;
    bool ganzBeschrieben_ = true;
};
