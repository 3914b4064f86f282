// The image list: pictures by index, each drawn through a 16-bit surface of its own that is
// built whenever the drawing surface is initialised or restored.
#pragma once

#include "Bitmap.h"
#include "DXDraw.h"
#include "Types.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class TForm;

class TPictureCollectionItem {
public:
    TBitmap Picture;
    bool Transparent = true;
    TColor TransparentColor = clBlack;
    std::string Name;
    int PatternWidth = 0;
    int PatternHeight = 0;
    bool SystemMemory = false;

    // Copies pattern 0 (the whole picture) 1:1 with its top-left corner at (x, y), clipped;
    // a transparent entry leaves out its colour key. Nothing without a surface.
    void Draw(TDirectDrawSurface& dest, int x, int y, int patternIndex) const;
    // Scales pattern 0 to width x height and turns it by angle/256 of a turn clockwise about
    // the point (centerX * width, centerY * height), which lands on (x, y).
    void DrawRotate(TDirectDrawSurface& dest, int x, int y, int width, int height, int patternIndex,
                    double centerX, double centerY, int angle) const;

    bool Ready() const { return ready_; }
    bool HasSurface() const { return !surface_.empty(); }

private:
    friend class TPictureCollection;
    void Initialize() { surface_.clear(); ready_ = true; }
    void Restore();
    void Finalize() { surface_.clear(); ready_ = false; }

    bool ready_ = false;
    std::vector<std::uint16_t> surface_;
    std::uint16_t colorKey_ = 0;
};

class TPictureCollection {
public:
    int Count() const { return static_cast<int>(items_.size()); }
    TPictureCollectionItem& operator[](int index) { return *items_.at(static_cast<std::size_t>(index)); }
    const TPictureCollectionItem& operator[](int index) const { return *items_.at(static_cast<std::size_t>(index)); }
    TPictureCollectionItem& Add();

    // The merged colour table of the pictures present now.
    TColorTable ColorTable{};
    void MakeColorTable();

    void Notify(TDXDrawNotifyType notify);

private:
    std::vector<std::unique_ptr<TPictureCollectionItem>> items_;
};

class TDXImageList final : public TObject, public DXDrawListener {
public:
    explicit TDXImageList(TForm& owner);
    ~TDXImageList() override;

    TPictureCollection Items;

    TDXDraw* DXDraw() const { return dxDraw_; }
    void SetDXDraw(TDXDraw* dxDraw);

    void DXDrawNotify(TDXDraw& sender, TDXDrawNotifyType notify) override;

private:
    TDXDraw* dxDraw_ = nullptr;
};

// Holds one picture for the program's own use (the glyph sheet).
class TDXDIB final : public TObject {
public:
    explicit TDXDIB(TForm& /*owner*/) {}
    TBitmap DIB;
};
