#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "chart/foundation/BackImage.h"
#include "chart/foundation/Canvas3D.h"
#include "chart/foundation/ChartBrush.h"
#include "chart/foundation/ChartPen.h"
#include "chart/foundation/TeeFilters.h"
#include "chart/foundation/TeeFont.h"
#include "chart/foundation/TeeGradient.h"
#include "chart/foundation/TeePanel.h"
#include "chart/foundation/TeeShadow.h"
#include "chart/foundation/TeeShape.h"
#include "platform/classes/ClassRegistry.h"
#include "platform/classes/Component.h"
#include "platform/classes/ObjectText.h"
#include "platform/classes/Publisher.h"
#include "platform/classes/Reader.h"
#include "platform/classes/Writer.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/GraphicFormats.h"
#include "platform/graphics/GraphicsInit.h"
#include "platform/rtl/Streams.h"

namespace {

// A component that publishes one framed shape, as a chart's titles do.
class TShapeHolder : public TComponent {
    KV_DECLARE_CLASS(TShapeHolder, TComponent)
public:
    using TComponent::TComponent;
    TTeeShape* Shape() const { return FShape.get(); }
    void SetShape(const TTeeShape* value) { FShape->Assign(value); }
    static void Publish(TPublisher<TShapeHolder>& p) {
        p.Object("Shape", &TShapeHolder::Shape, &TShapeHolder::SetShape);
    }

private:
    std::unique_ptr<TTeeShape> FShape = std::make_unique<TTeeShape>();
};

std::string StreamText(TComponent& c) {
    TMemoryStream binary, text;
    WriteComponentToStream(binary, &c);
    binary.SetPosition(0);
    ObjectBinaryToText(binary, text);
    return std::string(text.Memory(), size_t(text.Size()));
}

void ReadText(const std::string& text, TComponent& c) {
    TMemoryStream in, binary;
    in.WriteBuffer(text.data(), int64_t(text.size()));
    in.SetPosition(0);
    ObjectTextToBinary(in, binary);
    binary.SetPosition(0);
    ReadComponentFromStream(binary, &c);
}

TEST(TeeShapeStream, FramedShapeRoundTripsThroughTheComponentStream) {
    RegisterGraphicsClasses();
    RegisterStandardGraphicFormats();
    RegisterClasses({&TInvertFilter::StaticClass()});
    TShapeHolder holder(nullptr);
    EXPECT_EQ(StreamText(holder).find("Shape."), std::string::npos) << StreamText(holder);

    TTeeShape& s = *holder.Shape();
    s.SetBevel(bvRaised);
    s.SetColor(clNavy);
    s.SetRoundSize(5);
    s.SetShapeStyle(fosRoundRectangle);
    s.SetTransparent(true);
    s.Shadow()->SetColor(clRed);
    s.Gradient()->SetVisible(true);
    s.Gradient()->SetStartColor(clLime);
    s.Font()->SetColor(clMaroon);
    TBitmap picture;
    picture.SetSize(2, 1);
    picture.Canvas()->SetPixel(1, 0, clBlue);
    s.Picture()->SetGraphic(&picture);
    s.Picture()->SetMode(pbmTile);
    s.Picture()->Filters()->AddFilterOfClass(&TInvertFilter::StaticClass());
    const std::string text = StreamText(holder);
    for (const char* line :
         {"Shape.Bevel = bvRaised", "Shape.Color = clNavy", "Shape.RoundSize = 5",
          "Shape.ShapeStyle = fosRoundRectangle", "Shape.Transparent = True",
          "Shape.Shadow.Color = clRed", "Shape.Gradient.Visible = True",
          "Shape.Picture.Mode = pbmTile", "Shape.Picture.Data = {", "Shape.Picture.FilterItems"})
        EXPECT_NE(text.find(line), std::string::npos) << line << "\n" << text;

    TShapeHolder loaded(nullptr);
    ReadText(text, loaded);
    const TTeeShape& l = *loaded.Shape();
    EXPECT_EQ(l.Bevel(), bvRaised);
    EXPECT_EQ(l.Color(), clNavy);
    EXPECT_EQ(l.RoundSize(), 5);
    EXPECT_EQ(l.ShapeStyle(), fosRoundRectangle);
    EXPECT_TRUE(l.Transparent());
    EXPECT_EQ(l.Shadow()->Color(), clRed);
    EXPECT_EQ(l.Shadow()->HorizSize(), 3);
    ASSERT_NE(l.GradientIfAny(), nullptr);
    EXPECT_EQ(l.GradientIfAny()->StartColor(), clLime);
    EXPECT_EQ(l.Font()->Color(), clMaroon);
    ASSERT_NE(l.PictureIfAny(), nullptr);
    EXPECT_EQ(l.PictureIfAny()->Mode(), pbmTile);
    EXPECT_EQ(l.PictureIfAny()->Filters()->Count(), 1);
    auto* bitmap = dynamic_cast<TBitmap*>(l.PictureIfAny()->Graphic());
    ASSERT_NE(bitmap, nullptr);
    EXPECT_EQ(bitmap->Canvas()->Pixel(1, 0), clBlue);
}

TEST(TeeShapeStream, OlderShadowPropertiesRead) {
    struct TCase {
        const char* lines;
        TColor colour;
        int size;
    };
    const TCase cases[] = {
        {"  Shape.ShadowColor = clRed\r\n  Shape.ShadowSize = 5\r\n", clRed, 5},
        {"  Shape.ShadowColor = 255\r\n", clRed, 3},
        {"  Shape.ShadowSize = -2\r\n", clBlack, 2},
    };
    for (const TCase& c : cases) {
        TShapeHolder holder(nullptr);
        ReadText(std::string("object Holder: TShapeHolder\r\n") + c.lines + "end\r\n", holder);
        EXPECT_EQ(holder.Shape()->Shadow()->Color(), c.colour) << c.lines;
        EXPECT_EQ(holder.Shape()->Shadow()->GetCommonSize(), c.size) << c.lines;
    }
}

// A descendant with its own kind of shadow, brush and gradient, as the marks are.
class TOwnBrush : public TChartBrush {
    KV_DECLARE_CLASS(TOwnBrush, TChartBrush)
public:
    using TChartBrush::TChartBrush;
};
class TOwnGradient : public TTeeGradient {
    KV_DECLARE_CLASS(TOwnGradient, TTeeGradient)
public:
    using TTeeGradient::TTeeGradient;
};
class TMarksLike : public TTeeShape {
public:
    using TTeeShape::TTeeShape;

protected:
    void InitShadow(TTeeShadow& Shadow) const override { Shadow.SetDefaults(clGray, 3); }
    TClass BrushClassToCreate() const override { return &TOwnBrush::StaticClass(); }
    TClass GradientClassToCreate() const override { return &TOwnGradient::StaticClass(); }
};

TEST(TeeShapeStream, DescendantsChooseTheirShadowBrushAndGradient) {
    TMarksLike marks;
    EXPECT_EQ(marks.Shadow()->Color(), clGray);
    EXPECT_EQ(marks.Shadow()->GetCommonSize(), 3);
    EXPECT_EQ(marks.Brush()->ClassName(), "TOwnBrush");
    EXPECT_EQ(marks.Gradient()->ClassName(), "TOwnGradient");
    // Grey is the marks' default: nothing of the shadow is written.
    TMemoryStream stream;
    {
        TWriter writer(stream);
        writer.WriteProperties(&marks);
        writer.WriteListEnd();
    }
    const std::string bytes(stream.Memory(), size_t(stream.Size()));
    EXPECT_EQ(bytes.find("Shadow.Color"), std::string::npos);

    // A shadow set to none stays none; assigning one brings the owner's kind back first.
    marks.SetShadow(nullptr);
    EXPECT_EQ(marks.Shadow(), nullptr);
    TTeeShape plain;
    marks.Assign(&plain);
    ASSERT_NE(marks.Shadow(), nullptr);
    EXPECT_EQ(marks.Shadow()->Color(), clBlack);  // copied from the plain shape
}

// A shape on a panel drawing into a white bitmap.
struct TPictureBench {
    TCustomTeePanel panel{nullptr};
    TTeeShape shape{&panel};
    TBitmap image;
    TPictureBench() {
        image.SetSize(60, 50);
        panel.Canvas3D()->BindCanvas(image.Canvas());
        shape.SetColor(clYellow);
        shape.Shadow()->SetVisible(false);
        shape.Pen()->SetColor(clBlack);
        shape.SetShapeBounds(TRect{10, 10, 50, 30});
    }
    TColor Pixel(int x, int y) { return image.Canvas()->Pixel(x, y); }
};

TEST(TeeShapeDrawPicture, PictureFillsInsteadOfBrushAndFrameStays) {
    for (TChartObjectShapeStyle style : {fosRectangle, fosEllipse}) {
        TPictureBench b;
        b.shape.SetShapeStyle(style);
        b.shape.Gradient()->SetVisible(true);
        TBitmap red;
        red.SetSize(4, 4);
        red.Canvas()->Brush()->SetColor(clRed);
        red.Canvas()->FillRect(TRect{0, 0, 4, 4});
        b.shape.Picture()->SetGraphic(&red);
        b.shape.Draw();
        EXPECT_EQ(b.Pixel(30, 20), clRed) << style;
        if (style == fosRectangle) {
            EXPECT_EQ(b.Pixel(10, 20), clBlack);  // the frame
        } else {
            EXPECT_EQ(b.Pixel(11, 11), clWhite);  // outside the ellipse the picture is cut
        }
    }
}

// A panel that draws one shape over its white background.
class TShapePanel : public TCustomTeePanel {
public:
    using TCustomTeePanel::TCustomTeePanel;
    TTeeShape Shape{this};

protected:
    void InternalDraw(const TRect&) override {
        Shape.DrawOnPanel(this, TRect{10, 10, 50, 30}, 0, 0);
    }
};

TEST(TeeShapeDrawPicture, FiltersWithoutPictureWorkOnWhatShowsThrough) {
    TShapePanel panel(nullptr);
    panel.Shape.SetColor(clWhite);
    panel.Shape.Shadow()->SetVisible(false);
    panel.Shape.SetTransparency(50);
    auto image = panel.RenderRectToBitmap(clBlack, TRect{0, 0, 60, 50}, pf32bit);
    // Half of the black background over the white box.
    EXPECT_NEAR(GetRValue(image->Canvas()->Pixel(30, 20)), 128, 2);
    panel.Shape.Picture()->Filters()->AddFilterOfClass(&TInvertFilter::StaticClass());
    image = panel.RenderRectToBitmap(clBlack, TRect{0, 0, 60, 50}, pf32bit);
    // The background under the box is inverted before it is mixed back: all white.
    EXPECT_EQ(image->Canvas()->Pixel(30, 20), clWhite);
    EXPECT_EQ(image->Canvas()->Pixel(5, 5), clBlack);
}

}  // namespace
