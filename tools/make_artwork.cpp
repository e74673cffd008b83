// Draws the program's artwork: the 408 MHz all-sky map shown on the main window (JPEG, written
// through libjpeg) and the 32 × 32 globe icon (PNG). Run once; the results are committed.
//
//   make_artwork <radiosky.jpg> <corvane.png>
//
// The sky is a simple model of the Galaxy's synchrotron glow in galactic coordinates: a thin
// bright disc that fades and thickens away from the centre, the central bulge, the North Polar
// Spur, the Cygnus and Vela regions, a few strong sources and a faint isotropic background.
// It is drawn in a Mollweide (elliptical) projection with the galactic centre in the middle.
#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

#include <jpeglib.h>

namespace {

constexpr int kWidth = 242;
constexpr int kHeight = 163;
constexpr double kPi = 3.14159265358979323846;
constexpr double kDeg = kPi / 180;

double Gauss(double x, double sigma) { return std::exp(-0.5 * x * x / (sigma * sigma)); }

// Angular distance in radians between two points given in galactic longitude and latitude.
double Separation(double l1, double b1, double l2, double b2) {
    const double c = std::sin(b1) * std::sin(b2) + std::cos(b1) * std::cos(b2) * std::cos(l1 - l2);
    return std::acos(std::clamp(c, -1.0, 1.0));
}

// Brightness temperature in kelvin at 408 MHz, roughly.
double SkyTemperature(double l, double b) {
    const double lWrapped = std::remainder(l, 2 * kPi);  // -π … π, centre at 0
    const double fromCentre = std::fabs(lWrapped);
    const double thickness = (2.0 + 6.0 * fromCentre / kPi) * kDeg;
    double t = 18 + 12 * std::pow(std::cos(b), 3);                                      // background and halo
    t += 260 * Gauss(b, thickness) * (0.25 + 0.75 * Gauss(fromCentre, 0.9));            // disc
    t += 350 * Gauss(Separation(l, b, 0, 0), 9 * kDeg);                                 // bulge
    const double spur = Separation(l, b, 329 * kDeg, 17.5 * kDeg);                      // Loop I, the North Polar Spur
    const double spurSide = Gauss(std::remainder(l - 340 * kDeg, 2 * kPi), 35 * kDeg);  // the arc east of the centre
    t += 45 * Gauss(spur - 58 * kDeg, 4 * kDeg) * (b > 0 ? 0.3 + 0.7 * spurSide : 0.1);
    // Patchy structure in the disc and the halo.
    const double patches = std::sin(7 * l + 3 * b) * std::sin(11 * b - 5 * l + 1.3) + 0.5 * std::sin(17 * l + 1.7);
    t *= 1 + 0.12 * patches * (0.4 + Gauss(b, 12 * kDeg));
    t += 160 * Gauss(Separation(l, b, 80 * kDeg, 1 * kDeg), 5 * kDeg);        // Cygnus X
    t += 120 * Gauss(Separation(l, b, 263.9 * kDeg, -3.3 * kDeg), 4 * kDeg);  // Vela
    struct Source {
        double l, b, peak;
    };
    const Source sources[] = {{111.7, -2.1, 900}, {76.2, 5.8, 700},   {184.6, -5.8, 500}, {316.4, 21.0, 300},
                              {283.3, 74.5, 250}, {289.9, 64.4, 200}, {309.5, 19.4, 220}};
    for (const Source& s : sources) t += s.peak * Gauss(Separation(l, b, s.l * kDeg, s.b * kDeg), 1.6 * kDeg);
    return t;
}

// Dark blue for the faintest sky through green and yellow to red for the brightest.
QColor FalseColour(double x) {
    struct Stop {
        double at;
        int r, g, b;
    };
    const Stop stops[] = {{0.00, 0, 0, 90},    {0.18, 0, 40, 200},  {0.38, 0, 170, 220}, {0.55, 40, 200, 60},
                          {0.72, 240, 240, 0}, {0.86, 255, 140, 0}, {1.00, 230, 0, 0}};
    x = std::clamp(x, 0.0, 1.0);
    for (std::size_t i = 1; i < std::size(stops); ++i) {
        if (x <= stops[i].at) {
            const Stop& a = stops[i - 1];
            const Stop& z = stops[i];
            const double f = (x - a.at) / (z.at - a.at);
            return QColor(int(a.r + f * (z.r - a.r)), int(a.g + f * (z.g - a.g)), int(a.b + f * (z.b - a.b)));
        }
    }
    return QColor(230, 0, 0);
}

QImage DrawSky() {
    QImage sky(kWidth, kHeight, QImage::Format_RGB888);
    sky.fill(Qt::black);
    const double cx = (kWidth - 1) / 2.0, cy = (kHeight - 1) / 2.0;
    const double rx = kWidth / 2.0 - 1, ry = kHeight / 2.0 - 1;
    const double tMin = std::log(20.0), tMax = std::log(900.0);
    for (int py = 0; py < kHeight; ++py) {
        for (int px = 0; px < kWidth; ++px) {
            const double u = (px - cx) / rx, v = (cy - py) / ry;  // -1 … 1 inside the ellipse
            if (u * u + v * v > 1) continue;
            const double theta = std::asin(v);
            const double b = std::asin((2 * theta + std::sin(2 * theta)) / kPi);
            const double l = -kPi * u / std::max(std::cos(theta), 1e-9);  // longitude grows to the left
            const double x = (std::log(SkyTemperature(l, b)) - tMin) / (tMax - tMin);
            sky.setPixelColor(px, py, FalseColour(x));
        }
    }
    return sky;
}

bool WriteJpeg(const QImage& image, const char* path) {
    FILE* file = std::fopen(path, "wb");
    if (!file) return false;
    jpeg_compress_struct cinfo;
    jpeg_error_mgr errors;
    cinfo.err = jpeg_std_error(&errors);
    jpeg_create_compress(&cinfo);
    jpeg_stdio_dest(&cinfo, file);
    cinfo.image_width = static_cast<JDIMENSION>(image.width());
    cinfo.image_height = static_cast<JDIMENSION>(image.height());
    cinfo.input_components = 3;
    cinfo.in_color_space = JCS_RGB;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, 92, TRUE);
    jpeg_start_compress(&cinfo, TRUE);
    while (cinfo.next_scanline < cinfo.image_height) {
        JSAMPROW row = const_cast<JSAMPROW>(image.constScanLine(static_cast<int>(cinfo.next_scanline)));
        jpeg_write_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    return std::fclose(file) == 0;
}

// A globe: blue oceans, olive-green land, in a handful of colours.
QImage DrawGlobe() {
    QImage icon(32, 32, QImage::Format_ARGB32);
    icon.fill(Qt::transparent);
    QPainter p(&icon);
    p.setRenderHint(QPainter::Antialiasing, false);
    QPainterPath globe;
    globe.addEllipse(QRectF(1, 1, 30, 30));
    p.fillPath(globe, QColor(0, 0, 160));
    p.setClipPath(globe);
    const QColor olive(128, 128, 0);
    p.setPen(Qt::NoPen);
    p.setBrush(olive);
    p.drawPolygon(
        QPolygon({{6, 5}, {14, 3}, {17, 8}, {13, 12}, {14, 17}, {10, 19}, {7, 13}, {4, 10}}));  // the Americas, north
    p.drawPolygon(QPolygon({{11, 19}, {16, 20}, {15, 27}, {12, 30}, {10, 24}}));                // south
    p.drawPolygon(QPolygon({{19, 6}, {27, 7}, {30, 13}, {25, 14}, {22, 11}, {19, 10}}));        // Eurasia
    p.drawPolygon(QPolygon({{19, 13}, {25, 15}, {24, 23}, {21, 26}, {19, 20}}));                // Africa
    p.setClipping(false);
    p.setPen(QPen(QColor(0, 0, 80), 1));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QRectF(1, 1, 30, 30));
    p.setPen(QPen(QColor(0, 128, 255), 1));
    p.drawLine(2, 16, 30, 16);  // the equator
    p.drawEllipse(QRectF(9, 1, 14, 30));
    return icon.convertToFormat(QImage::Format_Indexed8, Qt::ThresholdDither);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s radiosky.jpg corvane.png\n", argv[0]);
        return 2;
    }
    if (!WriteJpeg(DrawSky(), argv[1])) return 1;
    return DrawGlobe().save(argv[2], "PNG") ? 0 : 1;
}
