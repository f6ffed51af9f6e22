// TXLCPicture: the picture cell. Its value is a TXLPicture (made in Init,
// freed in Done), handed out by GetObject and copied in by SetObject; any
// change of the picture is the cell's value change. It has no variant value
// (Unassigned; SetValue only marks a change) and no display text. It draws
// its image stretched into a target chosen by the wrap mode: wmClip the
// image's own size at the view's scale, wmEllipsis the largest rectangle of
// the image's proportions that fits, both placed by the alignment;
// wmWrapWords the whole cell. Icons are always drawn as with wmClip.
#pragma once

#include "sheet/TXLCell.h"
#include "sheet/TXLPicture.h"

#include <memory>

class TXLCPicture : public TXLCell {
public:
    static const TXLCellClass* StaticClass();
    const TXLCellClass* ClassType() const override;

    // The picture; null only before Init and after Done.
    TXLObject* GetObject() override;
    TXLPicture* GetPicture() const { return FPicture.get(); }
    // Copies a TXLPicture in (always a change); null clears the picture;
    // other objects are ignored.
    void SetObject(const TXLObject* value) override;
    void Draw(const TXLDraw& draw, const TRect& rect) override;
    // The image's size plus the indent across, only when it is drawn at its
    // own size (wmClip); else (0, 0).
    QSize RecommendedSize(QPainter& canvas) override;
    void Init() override;
    void Done() override;

    // Where the image goes inside rect (empty when there is nothing to draw).
    TRect ImageRect(const TXLDraw& draw, const TRect& rect) const;

private:
    std::unique_ptr<TXLPicture> FPicture;
};
