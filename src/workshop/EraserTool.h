// EraserTool: copies the skin as it was loaded back over a square around the pointer.
#pragma once

#include "workshop/PanelKnobs.h"

class EraserTool final : public SizeSliderTool {
public:
    EraserTool() : SizeSliderTool(&WorkshopPictures::eraserPanel, &WorkshopPictures::sizeKnob, size) {}
    [[nodiscard]] Tool Kind() const override { return Tool::eraser; }
    [[nodiscard]] bool Paints() const override { return true; }
    void Press(ToolContext& c, int32_t tx, int32_t ty, bool onModel) override;
    [[nodiscard]] bool FollowsPointer() const override { return true; }
    void Drag(ToolContext& c, int32_t tx, int32_t ty, bool onModel) override;
    void Release(ToolContext& c, int32_t x, int32_t y) override;
    void PutDown(ToolContext& /*c*/) override { stroking = false; }
    [[nodiscard]] CursorId PaneCursor() const override { return CursorId::eraser; }
    [[nodiscard]] std::span<const TipRow> PanelTips() const override;

private:
    // Restores the w x h rectangle centred on the texel from the unpainted copy.
    static void EraseAt(ToolContext& c, int32_t tx, int32_t ty, int32_t w, int32_t h);
    // The eraser's size in texels on the flat pane and on the 3D pane.
    void SizeOnSkin(ToolContext& c, int32_t& w, int32_t& h) const;
    [[nodiscard]] static int32_t SizeOnModel(ToolContext& c);
    void EraseOn(ToolContext& c, int32_t tx, int32_t ty, bool onModel);

    bool stroking = false;
    int32_t size = 100;
};
