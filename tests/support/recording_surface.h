#pragma once
// A drawing target that records every operation in millimetres, so tests can
// read what the drawing code printed and drew.

#include "core/ausgabe.h"

#include <vector>

struct Aufgezeichnet {
    enum Art { Linie, Punkt, Textausgabe } art;
    float x1, y1, x2, y2;
    int32_t farbe;
    int breite;
    QString text;
    float schriftgroesse;
};

class AufzeichnendeFlaeche : public Ausgabe {
public:
    explicit AufzeichnendeFlaeche(bool drucker = false, double pixelProMm = 96.0 / 25.4)
        : drucker_(drucker), pixelProMm_(pixelProMm) {}

    void Line(float x1, float y1, float x2, float y2, std::optional<int32_t> farbe) override;
    void PSet(float x, float y, int32_t farbe) override;
    void Print(const QString& text) override;
    float TextWidth(const QString& text) override { return 1.5f * float(text.size()); }
    double ScaleX(double mm) const override { return mm * pixelProMm_; }
    float ScaleWidth() const override { return 200.0f; }
    float ScaleHeight() const override { return 297.0f; }
    void Cls() override { ops.clear(); }
    int32_t Point(float, float) override { return -1; }
    bool IstDrucker() const override { return drucker_; }

    std::vector<Aufgezeichnet> ops;
    QStringList Texte() const;

private:
    bool drucker_;
    double pixelProMm_;
};
