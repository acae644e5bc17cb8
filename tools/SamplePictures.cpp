#include "SamplePictures.h"

#include "Records.h"

#include <QList>
#include <algorithm>
#include <cstdlib>

namespace {
constexpr int TuningSide = 108;
constexpr int ImageSide = 120;

// Bits row by row, least significant bit first; 1 is black.
class TBitPlane {
public:
    TBitPlane(int width, int height) : width_(width), bytes_((width * height + 7) / 8, '\0') {}
    void Set(int x, int y)
    {
        const int p = y * width_ + x;
        bytes_[p / 8] = char(quint8(bytes_[p / 8]) | 1 << p % 8);
    }
    const QByteArray &Bytes() const { return bytes_; }

private:
    int width_;
    QByteArray bytes_;
};

struct TDefect {
    int X, Y, RadiusX, RadiusY;

    // 0 at the centre, 256 on the outline, more outside.
    int Distance(int x, int y) const
    {
        const int dx = x - X, dy = y - Y;
        const int rx2 = RadiusX * RadiusX, ry2 = RadiusY * RadiusY;
        return (dx * dx * ry2 + dy * dy * rx2) * 256 / (rx2 * ry2);
    }
    bool Covers(int x, int y) const { return Distance(x, y) <= 256; }
};

QList<TDefect> Defects(TSampleRandom &random, int sizeX, int sizeY, int count)
{
    QList<TDefect> defects;
    for (int i = 0; i < count; ++i) {
        const int rx = random.Between(2, std::max(2, sizeX / 8));
        const int ry = random.Between(2, std::max(2, sizeY / 8));
        defects.append({random.Between(0, sizeX - 1), random.Between(0, sizeY - 1), rx, ry});
    }
    return defects;
}

// A darkness from 0 to 255 that changes smoothly over the scanned area, as the thickness of a part does.
struct TGradient {
    int Base, SlopeX, SlopeY, SizeX, SizeY;

    TGradient(TSampleRandom &random, int sizeX, int sizeY)
        : Base(random.Between(30, 90)), SlopeX(random.Between(-60, 90)), SlopeY(random.Between(-60, 90)),
          SizeX(sizeX), SizeY(sizeY)
    {
    }
    int At(int x, int y) const { return std::clamp(Base + SlopeX * x / SizeX + SlopeY * y / SizeY, 0, 255); }
};

// Ordered dithering: a darkness above the threshold of its place becomes a black pixel.
constexpr int Bayer[4][4] = {{0, 8, 2, 10}, {12, 4, 14, 6}, {3, 11, 1, 9}, {15, 7, 13, 5}};
bool Dithered(int darkness, int x, int y) { return darkness > Bayer[y % 4][x % 4] * 16 + 8; }
} // namespace

QByteArray TuningPicture(TSampleRandom &random)
{
    const int baseline = TuningSide - 4;
    const int echoAt = random.Between(30, 80);
    const int echoWidth = random.Between(2, 5);
    const int echoHeight = random.Between(20, 90);
    const int wallAt = random.Between(std::min(echoAt + 10, 96), 100);
    const int wallHeight = random.Between(40, 95);
    auto peak = [](int x, int at, int width, int height) {
        const int off = std::abs(x - at);
        return off < width ? height * (width - off) / width : 0;
    };

    TBitPlane plane(TuningSide, TuningSide);
    int previous = baseline;
    for (int x = 0; x < TuningSide; ++x) {
        int amplitude = random.Between(0, 3);
        if (x < 10)
            amplitude += 98 - x * 10;
        amplitude += peak(x, echoAt, echoWidth, echoHeight) + peak(x, wallAt, 3, wallHeight);
        const int y = baseline - std::min(amplitude, baseline);
        for (int row = std::min(previous, y); row <= std::max(previous, y); ++row)
            plane.Set(x, row);
        previous = y;
    }
    const int gateLevel = baseline - random.Between(15, 50);
    const int gateFrom = random.Between(20, echoAt);
    const int gateTo = random.Between(echoAt + echoWidth, TuningSide - 1);
    for (int x = gateFrom; x <= gateTo; x += 2)
        plane.Set(x, gateLevel);
    return plane.Bytes();
}

QByteArray OrdinaryImagePicture(TSampleRandom &random, int sizeX, int sizeY, bool withDefectLayer)
{
    const TGradient gradient(random, sizeX, sizeY);
    const QList<TDefect> defects = Defects(random, sizeX, sizeY, random.Between(1, 3));
    auto inDefect = [&](int x, int y) {
        return std::any_of(defects.begin(), defects.end(), [&](const TDefect &d) { return d.Covers(x, y); });
    };
    TBitPlane picture(ImageSide, ImageSide);
    TBitPlane outline(ImageSide, ImageSide);
    for (int y = 0; y < sizeY; ++y) {
        for (int x = 0; x < sizeX; ++x) {
            if (!inDefect(x, y)) {
                if (Dithered(gradient.At(x, y), x, y))
                    picture.Set(x, y);
                continue;
            }
            picture.Set(x, y);
            if (!inDefect(x - 1, y) || !inDefect(x + 1, y) || !inDefect(x, y - 1) || !inDefect(x, y + 1))
                outline.Set(x, y);
        }
    }
    return withDefectLayer ? picture.Bytes() + outline.Bytes() : picture.Bytes();
}

QByteArray LevelImagePicture(TSampleRandom &random, int sizeX, int sizeY)
{
    const TGradient gradient(random, sizeX, sizeY);
    const QList<TDefect> defects = Defects(random, sizeX, sizeY, random.Between(1, 4));
    QByteArray values(ImageSide * ImageSide, char(DefaultPalette[0].Level));
    for (int y = 0; y < sizeY; ++y) {
        for (int x = 0; x < sizeX; ++x) {
            // The background takes levels 1 to 4; a defect rises through 5 and 6 to 7 at its centre.
            int level = 1 + gradient.At(x, y) * 4 / 256;
            for (const TDefect &defect : defects) {
                const int distance = defect.Distance(x, y);
                if (distance <= 256)
                    level = std::max(level, distance < 64 ? 7 : distance < 160 ? 6 : 5);
            }
            values[y * ImageSide + x] = char(DefaultPalette[level].Level);
        }
    }
    return values;
}

QByteArray ImpactImagePicture(TSampleRandom &random, int sizeX, int sizeY)
{
    const int centreA = random.Between(0, sizeX - 1);
    const int centreB = random.Between(0, sizeY - 1);
    const int radius = random.Between(2, std::max(2, std::max(sizeX, sizeY) / 2));
    const int base = random.Between(3, 20);
    const int height = random.Between(30, 80);
    QByteArray values(sizeX * sizeY, '\0');
    for (int a = 0; a < sizeX; ++a) {
        for (int b = 0; b < sizeY; ++b) {
            const int d2 = (a - centreA) * (a - centreA) + (b - centreB) * (b - centreB);
            const int hill = d2 < radius * radius ? height * (radius * radius - d2) / (radius * radius) : 0;
            values[a * sizeY + b] = char(std::min(85, base + hill + random.Between(0, 2)));
        }
    }
    return values;
}
