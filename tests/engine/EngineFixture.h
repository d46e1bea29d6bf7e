#pragma once
// Shared set-up of the engine tests: a clean shared area, a generatrix built from (z, r) nodes,
// a host that records what the engine shows and a recorder of its messages.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "engine/EngineHost.h"
#include "engine/MCRT.h"
#include "tests/support/CavityFixture.h"
#include "tests/support/RecordingMessages.h"

class TRecordingHost : public IEngineHost {
public:
    void SetStatusText(int panel, const std::string& text) override {
        if (panel >= 0 && panel < 3) Status[panel] = text;
    }
    bool IsMainWindowActive() override { return MainWindowActive; }

    std::string Status[3];
    bool MainWindowActive = false;
};

class EngineTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetSharedData();
        MTSeed(MTDefaultSeed);
        SetEngineHost(&Host);
    }
    void TearDown() override { SetEngineHost(nullptr); }

    // Nodes 0..n, every wall of the given emissivity and diffusity; the outline and the surfaces
    // are built.
    static void SetGeneratrix(const std::vector<TNode>& nodes, Real emissivity = 1,
                              Real diffusity = 1) {
        FillGeneratrix(nodes, emissivity, diffusity);
        std::string message;
        ASSERT_TRUE(ComputeOutline("test", message)) << message;
        ASSERT_TRUE(PreprocessGeometry(message)) << message;
    }

    static void SetSurface(long i, Real emissivity, Real diffusity) {
        Shared.SurfEmissivity[i] = emissivity;
        Shared.SurfReflectivity[i] = 1 - emissivity;
        Shared.SurfDiffusity[i] = diffusity;
    }

    static void SetRay(Real x, Real y, Real z, Real dx, Real dy, Real dz, uint8_t surface) {
        Ray.RayX = x, Ray.RayY = y, Ray.RayZ = z;
        Ray.RayDX = dx, Ray.RayDY = dy, Ray.RayDZ = dz;
        Ray.CurSurface = surface;
    }

    // The generatrix of the hit-search examples: bottom disk at z = 0 up to radius 1, cylinder of
    // radius 1 up to z = 2, annular disk at z = 2 down to the aperture radius 0.5.
    static void SetStepCavity() { SetGeneratrix({{0, 0}, {0, 1}, {2, 1}, {2, 0.5}}); }

    TRecordingHost Host;
    TRecordingMessages Messages;  // in force for the test's life
};
