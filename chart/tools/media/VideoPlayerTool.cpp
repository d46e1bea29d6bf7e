#include "chart/tools/media/VideoPlayerTool.h"

#include "chart/engine/AxisPanel.h"
#include "chart/foundation/BackImage.h"
#include "chart/foundation/TeeFilter.h"
#include "chart/foundation/TeeGradient.h"
#include "chart/tools/media/AviReader.h"
#include "platform/classes/Publisher.h"
#include "platform/graphics/Bitmap.h"
#include "platform/rtl/Exceptions.h"
#include "platform/ui/Timer.h"

TVideoPlayerTool::TVideoPlayerTool(TComponent* owner)
    : TTeeCustomTool(owner), FFilters(std::make_unique<TFilterItems>(this)) {
    FTimer = new TTimer(this);
    FTimer->SetEnabled(false);
    FTimer->SetInterval(1);
    FTimer->OnTimer = [this](TObject*) { Tick(); };
}

TVideoPlayerTool::~TVideoPlayerTool() { CloseVideo(); }

void TVideoPlayerTool::Publish(TPublisher<TVideoPlayerTool>& p) {
    using T = TVideoPlayerTool;
    p.Integer("Delay", &T::Delay, &T::SetDelay).Default(1);
    p.String("FileName", &T::FileName, &T::SetFileName).Default(std::string());
    p.Object("Filters", &T::Filters, &T::SetFilters).Stored(false);
    p.Boolean("Loop", &T::Loop, &T::SetLoop).Default(false);
}

void TVideoPlayerTool::Assign(const TPersistent* source) {
    if (auto* other = dynamic_cast<const TVideoPlayerTool*>(source)) {
        SetDelay(other->Delay());
        FFileName = other->FFileName;
        FFilters->Assign(other->FFilters.get());
        FLoop = other->FLoop;
    }
    TTeeCustomTool::Assign(source);
}

int TVideoPlayerTool::Delay() const { return FTimer->Interval(); }
void TVideoPlayerTool::SetDelay(int value) { FTimer->SetInterval(value); }
void TVideoPlayerTool::SetFilters(const TFilterItems* value) { FFilters->Assign(value); }

void TVideoPlayerTool::SetTarget(TTeePicture* picture) {
    if (picture == FTarget) return;
    if (FTarget) FTarget->SetGraphic(nullptr);
    FTarget = picture;
}

int TVideoPlayerTool::FirstFrame() const { return FReader ? int(FReader->StreamInfo().Start) : -1; }

int TVideoPlayerTool::LastFrame() const {
    return FReader ? FirstFrame() + FReader->FrameCount() - 1 : FirstFrame();
}

void TVideoPlayerTool::Play() {
    if (FPlaying) return;
    OpenVideo();
    FCurrent = FirstFrame();
    FPlaying = true;
    FTimer->SetEnabled(true);
    FLast = LastFrame();
}

void TVideoPlayerTool::Stop() {
    if (!FPlaying) return;
    FTimer->SetEnabled(false);
    CloseVideo();
    FPlaying = false;
}

void TVideoPlayerTool::OpenVideo() {
    auto reader = std::make_unique<TAviReader>(FFileName);
    if (!reader->CanDecode()) throw Exception("Error GetFrameOpen AVI file stream");
    FReader = std::move(reader);
}

void TVideoPlayerTool::CloseVideo() { FReader.reset(); }

void TVideoPlayerTool::ShowFrame() {
    if (!FFrame) {
        FFrame = std::make_unique<TBitmap>();
        FFrame->SetPixelFormat(pf24bit);
    }
    const int index = FCurrent - FirstFrame();
    if (!FReader || !FReader->DecodeFrame(index, *FFrame)) {
        FTimer->SetEnabled(false);
        throw Exception("Error GetFrame AVI file stream");
    }
    FFilters->ApplyAll(*FFrame);
    if (FTarget) {
        FTarget->SetBitmap(FFrame.get());
    } else if (TCustomAxisPanel* chart = ParentChart()) {
        TBackImage* back = chart->BackImage();
        back->SetBitmap(FFrame.get());
        // A back gradient would cover the picture.
        if (!back->Inside())
            if (TTeeGradient* gradient = chart->GradientIfAny(); gradient && gradient->Visible())
                gradient->SetVisible(false);
    }
    if (OnFrame) OnFrame(this);
}

void TVideoPlayerTool::Tick() {
    ShowFrame();
    if (FCurrent < FLast)
        ++FCurrent;
    else if (FLoop)
        FCurrent = FirstFrame();
    else
        Stop();
}
