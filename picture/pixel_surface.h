// A graph surface whose picture is a PixelRaster: what a canvas shows in the
// web page.
//
// Every operation is drawn at once into the picture and kept in the
// surface's record (surface_record.h); when the picture gets a new size in
// device pixels (a new device pixel ratio), the record is replayed onto a
// fresh picture, so the graph is drawn again, sharp, with the same content.
//
// Mapping and clipping as device_mapping.h says; lines and points as
// pixel_raster.h draws them. A segment is drawn between the pixels of its
// own two ends, so the pixels it lights inside the picture do not depend on
// where it is cut off; only an end more than 2^28 device pixels out is first
// moved in to that margin by clipping, and only the steps inside the
// picture are walked, so a curve far beyond the frame costs no more than
// one inside it. A segment whose two ends both lie more than 2^44 device
// pixels out is not drawn, since double precision could not place its
// visible part to within a pixel. Vertical lines that lie less than a pixel
// column apart (the period lines of a grid at a span of thousands) light
// every column between the first and the last; those columns are drawn once
// each, so a grid costs the same at any span. Operations with coordinates
// that are not finite draw nothing; the current point still moves.
#pragma once

#include <cstdint>
#include <cstring>

#include "core/graphs/graph_surface.h"
#include "picture/pixel_raster.h"
#include "picture/surface_record.h"

namespace waves::picture {

class PixelSurface final : public GraphSurface {
public:
    // layout_height: the surface control's height in the layout, in a unit
    // shared by every surface of the window (surface_height()).
    PixelSurface(Rgb background, double layout_height);
    PixelSurface(const PixelSurface&) = delete;
    PixelSurface& operator=(const PixelSurface&) = delete;

    // The picture's size in device pixels. A new size renders the record
    // again at that size.
    void set_device_size(int width, int height);

    const PixelRaster& raster() const { return raster_; }
    // The picture the record gives at another size, drawn apart: this
    // surface and its picture are left as they are.
    PixelRaster rendered_at(int width, int height) const;
    // What has been drawn since the last clear, and the state it started from.
    const SurfaceRecord& record() const { return record_; }
    // True once after the picture changed since the last call: what the
    // front end needs to show again.
    bool take_changed();

    // GraphSurface
    void clear() override;
    void set_scale(float x_left, float y_top, float x_right, float y_bottom) override;
    void set_pen_colour(Rgb colour) override;
    void set_pen_style(PenStyle style) override;
    void line(float xa, float ya, float xb, float yb) override;
    void line_to(float x, float y) override;
    void point(float x, float y) override;
    void vertical_lines(double spacing, std::int64_t count, float y_from, float y_to) override;
    double surface_height() const override { return layout_height_; }

private:
    // The device point of a polyline's last end, at the scale and size it
    // was drawn with: where the next segment of the polyline starts.
    struct MappedEnd {
        static std::uint32_t bits(float value) {
            std::uint32_t bits;
            std::memcpy(&bits, &value, sizeof bits);
            return bits;
        }
        static MappedEnd of(float x, float y, DevicePoint at) { return {bits(x), bits(y), at, true}; }
        bool is(float x, float y) const { return valid && x_bits == bits(x) && y_bits == bits(y); }
        std::uint32_t x_bits = 0;
        std::uint32_t y_bits = 0;
        DevicePoint at;
        bool valid = false;
    };

    void record_and_draw(const RecordedOperation& operation);
    void draw(const RecordedOperation& operation, const DrawingState& state);
    void draw_segment(DevicePoint from, DevicePoint to, const DrawingState& state);
    void draw_vertical_lines(const RecordedOperation& operation, const DrawingState& state);
    void render_record();

    Rgb background_;
    double layout_height_;
    DrawingState state_;
    SurfaceRecord record_;
    PixelRaster raster_;
    MappedEnd mapped_end_;
    bool changed_ = true;
};

}  // namespace waves::picture
