#include "Logo.h"

#include "Palette.h"
#include "TextSource.h"

#include <algorithm>
#include <cmath>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace {
constexpr int Width = 256;
constexpr int Height = 53;

// Letter layout: grid units to pixels, the letters' pitch and the spine of the first letter.
constexpr double Scale = 2.5;
constexpr double Pitch = 32.0;
constexpr double FirstLeft = 22.0;
constexpr double FirstTop = 5.5;
constexpr double PenRadius = 3.5;
constexpr double OutlineWidth = 1.5;
constexpr double ShadowOffset = 2.0;
constexpr double LetterHeight = 16 * Scale;

// The bar: a rounded band across the middle, the dots inside its ends.
constexpr double BarMiddle = 26.5;
constexpr double BarRadius = 6.5;
constexpr double BarLeft = 9.5;
constexpr double BarRight = 246.5;
constexpr double DotRadius = 4.5;
constexpr double DotLeft = 11.5;
constexpr double DotRight = 244.5;

struct Point {
    double x;
    double y;
};
struct Segment {
    Point a;
    Point b;
};

Point ParsePoint(const std::string& word) {
    const auto comma = word.find(',');
    if (comma == std::string::npos) throw std::runtime_error("point \"" + word + "\" is not x,y");
    return {std::stod(word.substr(0, comma)), std::stod(word.substr(comma + 1))};
}

// Every stroke segment of the lettering, in picture pixels.
std::vector<std::vector<Segment>> ReadLetters(const std::filesystem::path& file) {
    std::vector<std::vector<Segment>> letters;
    for (const SourceLine& line : ReadSourceLines(file)) {
        std::istringstream words(line.text);
        std::string word;
        words >> word;
        if (word == "letter") {
            letters.emplace_back();
            continue;
        }
        if (word != "stroke" || letters.empty()) {
            throw std::runtime_error(file.string() + ":" + std::to_string(line.number) + ": expected letter or stroke");
        }
        const double left = FirstLeft + Pitch * static_cast<double>(letters.size() - 1);
        std::vector<Point> points;
        while (words >> word) {
            const Point p = ParsePoint(word);
            points.push_back({left + p.x * Scale, FirstTop + p.y * Scale});
        }
        if (points.size() < 2) throw std::runtime_error(file.string() + ": a stroke needs two points");
        for (std::size_t i = 1; i < points.size(); ++i) letters.back().push_back({points[i - 1], points[i]});
    }
    return letters;
}

struct Nearest {
    double distance = 1e9;
    Point point{};
};

Nearest NearestOnSegments(const std::vector<Segment>& segments, Point p) {
    Nearest best;
    for (const Segment& s : segments) {
        const double dx = s.b.x - s.a.x;
        const double dy = s.b.y - s.a.y;
        const double length2 = dx * dx + dy * dy;
        const double t = length2 == 0 ? 0 : std::clamp(((p.x - s.a.x) * dx + (p.y - s.a.y) * dy) / length2, 0.0, 1.0);
        const Point q{s.a.x + t * dx, s.a.y + t * dy};
        const double d = std::sqrt((p.x - q.x) * (p.x - q.x) + (p.y - q.y) * (p.y - q.y));
        if (d < best.distance) best = {d, q};
    }
    return best;
}

Nearest NearestLetter(const std::vector<std::vector<Segment>>& letters, Point p) {
    Nearest best;
    for (const auto& letter : letters) {
        const Nearest n = NearestOnSegments(letter, p);
        if (n.distance < best.distance) best = n;
    }
    return best;
}

// A tube lit from the upper left, a little darker towards the foot of the letters.
Rgb LetterShade(const Nearest& n, Point p) {
    const double t = n.distance / PenRadius;
    double light = std::sqrt(std::max(0.0, 1.0 - t * t));
    if (n.distance > 0) {
        const double facing = (-(p.x - n.point.x) * 0.6 - (p.y - n.point.y) * 0.8) / n.distance;
        light += 0.5 * std::max(0.0, facing) * t;
    }
    light -= 0.45 * (p.y - FirstTop) / LetterHeight;
    using namespace palette;
    if (light > 0.95) return Ice;
    if (light > 0.72) return PaleCyan;
    if (light > 0.45) return Cyan;
    if (light > 0.22) return Lagoon;
    if (light > 0.05) return Sky;
    return Steel;
}

double DistanceToBar(Point p) {
    const double x = std::clamp(p.x, BarLeft, BarRight);
    return std::sqrt((p.x - x) * (p.x - x) + (p.y - BarMiddle) * (p.y - BarMiddle));
}

Rgb BarShade(Point p) {
    const double v = (p.y - BarMiddle) / BarRadius;
    using namespace palette;
    if (v < -0.6) return Lilac;
    if (v < -0.1) return Orchid;
    if (v < 0.4) return Plum;
    if (v < 0.8) return DeepViolet;
    return Violet;
}

// A dot's colour at p, or black outside it.
Rgb DotShade(Point p, double middleX) {
    const double dx = p.x - middleX;
    const double dy = p.y - BarMiddle;
    const double d = std::sqrt(dx * dx + dy * dy);
    const double shine = std::sqrt((dx + 1.5) * (dx + 1.5) + (dy + 1.5) * (dy + 1.5));
    if (d > DotRadius) return palette::Black;
    if (shine < 1.0) return palette::Ice;
    return d < DotRadius - 1.2 ? palette::Yellow : palette::Ochre;
}
}  // namespace

IndexedImage MakeLogo(const std::filesystem::path& strokesFile) {
    const auto letters = ReadLetters(strokesFile);
    if (letters.size() != 7) throw std::runtime_error(strokesFile.string() + ": the name has seven letters");

    IndexedImage logo(Width, Height, 8, palette::Logo);
    for (int y = 0; y < Height; ++y) {
        for (int x = 0; x < Width; ++x) {
            const Point p{x + 0.5, y + 0.5};
            Rgb color = palette::Black;
            if (DistanceToBar(p) <= BarRadius) color = BarShade(p);
            for (const double middle : {DotLeft, DotRight}) {
                const Rgb dot = DotShade(p, middle);
                if (dot != palette::Black) color = dot;
            }
            const Nearest n = NearestLetter(letters, p);
            const double edge = PenRadius + OutlineWidth;
            if (n.distance <= PenRadius) {
                color = LetterShade(n, p);
            } else if (n.distance <= edge) {
                color = palette::Ink;
            } else if (NearestLetter(letters, {p.x - ShadowOffset, p.y - ShadowOffset}).distance <= edge) {
                color = palette::Slate;
            }
            logo.Paint(x, y, color);
        }
    }
    return logo;
}
