#include <cmath>

#include "EngineFixture.h"

namespace {

class ReflectionTest : public EngineTest {};

struct TVec3 {
    Real x, y, z;
};

Real Dot(const TVec3& a, const TVec3& b) { return a.x * b.x + a.y * b.y + a.z * b.z; }

TVec3 NormalAt(long i, Real x, Real y, Real z) {
    TSharedData& s = Shared;
    SurfaceNormal(i, x, y, z, s.SurfNormalX[i], s.SurfNormalY[i], s.SurfNormalZ[i]);
    return {s.SurfNormalX[i], s.SurfNormalY[i], s.SurfNormalZ[i]};
}

// Chi-square of `values` (each in [0, 1)) against the uniform distribution over `bins` bins.
double ChiSquareUniform(const std::vector<double>& values, int bins) {
    std::vector<int> counts(bins, 0);
    for (double v : values) ++counts[std::min(bins - 1, static_cast<int>(v * bins))];
    const double expected = static_cast<double>(values.size()) / bins;
    double chi2 = 0;
    for (int c : counts) chi2 += (c - expected) * (c - expected) / expected;
    return chi2;
}
// 19 degrees of freedom, p = 0.001.
constexpr double kChi2Limit19 = 43.82;

TEST_F(ReflectionTest, NormalsPointIntoTheCavity) {
    const Real h = 0.70710678118654752440L;
    struct Case {
        const char* name;
        std::vector<TNode> nodes;
        long surface;
        Real x, y, z;
        TVec3 normal;
    };
    const Case cases[] = {
        {"cylinder of radius 2", {{0, 0}, {0, 2}, {3, 2}}, 2, 0, 2, 1, {0, -1, 0}},
        {"cone (0,0)-(1,1)", {{0, 0}, {1, 1}, {1, 0.5L}}, 1, 1, 0, 1, {-h, 0, h}},
        {"cone point on the axis", {{0, 0}, {1, 1}, {1, 0.5L}}, 1, 0, 0, 0, {-0.5L, -0.5L, h}},
        {"bottom disk", {{0, 0}, {0, 1}, {2, 1}}, 1, 0.3L, 0.2L, 0, {0, 0, 1}},
        {"aperture disk", {{0, 0}, {0, 1}, {2, 1}}, 3, 0.3L, 0.2L, 2, {0, 0, -1}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SetGeneratrix(c.nodes);
        const TVec3 n = NormalAt(c.surface, c.x, c.y, c.z);
        EXPECT_NEAR(n.x, c.normal.x, 1e-18L);
        EXPECT_NEAR(n.y, c.normal.y, 1e-18L);
        EXPECT_NEAR(n.z, c.normal.z, 1e-18L);
    }
}

TEST_F(ReflectionTest, ZeroVectorsAreReported) {
    Ray.CurSurface = 3;
    Real x = 0, y = 0, z = 0;
    try {
        NormalizeVector(x, y, z);
        FAIL() << "no exception";
    } catch (const EEngineError& e) {
        EXPECT_EQ(e.Message(), "Norm = 0; isf = 3");
    }
    Real a = 0, b = 1, c = 0;
    NormalizeVector(a, b, c);
    EXPECT_EQ(b, 1);

    // A point on the axis of a cylinder has no radial direction and no axial part.
    SetGeneratrix({{0, 0}, {0, 1}, {2, 1}});
    NormalAt(2, 0, 0, 1);
    ASSERT_EQ(Messages.Shown.size(), 1u);
    EXPECT_EQ(Messages.Shown[0], "Norm of normal = 0; isf =2");
}

TEST_F(ReflectionTest, SpecularReflectionMirrorsAboutTheNormal) {
    SetGeneratrix({{0, 0}, {0, 1}, {2, 1}});
    struct Case {
        uint8_t surface;
        TVec3 point, in, out;
    };
    const Real h = 0.70710678118654752440L;
    const Case cases[] = {
        {1, {0, 0.5L, 0}, {0, 0, -1}, {0, 0, 1}},
        {1, {0, 0.5L, 0}, {h, 0, -h}, {h, 0, h}},
        {2, {0, 1, 1}, {0, h, h}, {0, -h, h}},
    };
    for (const Case& c : cases) {
        SetRay(c.point.x, c.point.y, c.point.z, c.in.x, c.in.y, c.in.z, c.surface);
        ReflectSpecular();
        EXPECT_NEAR(Ray.RayDX, c.out.x, 1e-18L);
        EXPECT_NEAR(Ray.RayDY, c.out.y, 1e-18L);
        EXPECT_NEAR(Ray.RayDZ, c.out.z, 1e-18L);
    }
}

TEST_F(ReflectionTest, FrameAgainstOrAlongTheNormalUsesTheAuxiliaryAxis) {
    SetGeneratrix({{0, 0}, {0, 1}, {2, 1}});
    struct Case {
        TVec3 local, global;
    };
    // N = (0, 0, 1), h = (1, 0, 1): t1 = (h x N) = (0, -1, 0), t2 = N x t1 = (1, 0, 0).
    const Case cases[] = {{{0, 0, 1}, {0, 0, 1}}, {{1, 0, 0}, {0, -1, 0}}, {{0, 1, 0}, {1, 0, 0}}};
    // D = -N, and D = +N, where the tangents would otherwise be 0 / 0.
    for (Real dz : {-1.0L, 1.0L}) {
        for (const Case& c : cases) {
            SetRay(0, 0.5L, 0, 0, 0, dz, 1);
            CurrentSurfaceNormal();
            Real ox, oy, oz;
            ToSurfaceFrame(ox, oy, oz, c.local.x, c.local.y, c.local.z);
            EXPECT_NEAR(ox, c.global.x, 1e-18L) << double(dz);
            EXPECT_NEAR(oy, c.global.y, 1e-18L) << double(dz);
            EXPECT_NEAR(oz, c.global.z, 1e-18L) << double(dz);
        }
    }
    EXPECT_TRUE(Messages.Shown.empty());
}

// Diffuse reflection must give directions whose cosine with the normal follows Lambert's law
// (cos^2 uniform) and whose azimuth about the normal is uniform, whatever the arriving
// direction: against the normal, grazing or oblique, on a disk, a cylinder and a cone.
TEST_F(ReflectionTest, DiffuseDirectionsFollowTheCosineLaw) {
    const Real h = 0.70710678118654752440L;
    struct Case {
        const char* name;
        std::vector<TNode> nodes;
        uint8_t surface;
        TVec3 point, in;
    };
    const Case cases[] = {
        {"against the disk normal", {{0, 0}, {0, 1}, {2, 1}}, 1, {0, 0.5L, 0}, {0, 0, -1}},
        {"oblique on the cylinder", {{0, 0}, {0, 1}, {2, 1}}, 2, {0, 1, 1}, {0, h, -h}},
        {"grazing the cylinder", {{0, 0}, {0, 1}, {2, 1}}, 2, {1, 0, 1}, {0, 0, 1}},
        {"oblique on a cone", {{0, 0}, {1, 1}, {1, 0.5L}}, 1, {0.6L, 0.8L, 1}, {0.6L, 0, -0.8L}},
    };
    const uint32_t seed = 12345;
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.name) + ", seed " + std::to_string(seed));
        SetGeneratrix(c.nodes);
        MTSeed(seed);
        const TVec3 n = NormalAt(c.surface, c.point.x, c.point.y, c.point.z);
        // A fixed tangent basis (u, v) about n for the azimuth.
        TVec3 u = std::fabs(n.z) < 0.9L ? TVec3{-n.y, n.x, 0} : TVec3{0, -n.z, n.y};
        const Real ul = std::sqrt(Dot(u, u));
        u = {u.x / ul, u.y / ul, u.z / ul};
        const TVec3 v{n.y * u.z - n.z * u.y, n.z * u.x - n.x * u.z, n.x * u.y - n.y * u.x};
        std::vector<double> cos2, azimuth;
        for (int i = 0; i < 20000; ++i) {
            SetRay(c.point.x, c.point.y, c.point.z, c.in.x, c.in.y, c.in.z, c.surface);
            CurrentSurfaceNormal();
            ReflectDiffuse();
            const TVec3 d{Ray.RayDX, Ray.RayDY, Ray.RayDZ};
            ASSERT_NEAR(Dot(d, d), 1, 1e-15L);
            const Real cn = Dot(d, n);
            ASSERT_GT(cn, 0);
            cos2.push_back(static_cast<double>(cn * cn));
            const double phi =
                std::atan2(static_cast<double>(Dot(d, v)), static_cast<double>(Dot(d, u)));
            azimuth.push_back((phi + M_PI) / (2 * M_PI));
        }
        EXPECT_LT(ChiSquareUniform(cos2, 20), kChi2Limit19);
        EXPECT_LT(ChiSquareUniform(azimuth, 20), kChi2Limit19);
    }
}

TEST_F(ReflectionTest, CosineDirectionsStayAboveThePlane) {
    MTSeed(99);
    for (int i = 0; i < 100000; ++i) {
        Real x, y, z;
        CosineDirection(x, y, z);
        ASSERT_GT(z, 0);
    }
}

// A bounce evaluates the normal and then mirrors about it without evaluating it again where that
// would give the same bits (cylinders, disks): direction, stored normal and reported messages
// must be those of the mirror that evaluates afresh, on every kind, including a cone (whose
// normal drifts with each evaluation) and a cylinder on the axis (whose zero normal is reported).
TEST_F(ReflectionTest, MirrorAtAnEvaluatedNormalEqualsAFreshMirror) {
    struct Case {
        const char* name;
        std::vector<TNode> nodes;
        uint8_t surface;
        TVec3 point;
    };
    const std::vector<TNode> step = {{0, 0}, {0, 1}, {2, 1}, {2, 0.5L}};
    const Case cases[] = {
        {"bottom disk", step, 1, {0.3L, 0.4L, 0}},
        {"cylinder", step, 2, {0.6L, -0.8L, 1.3L}},
        {"annulus", step, 3, {0, 0.75L, 2}},
        {"cone", {{0, 0}, {1, 1}, {5, 1}, {5, 0.5L}}, 1, {0.3L, 0.4L, 0.5L}},
        {"cylinder on the axis", {{0, 0}, {1, 0}, {1, 1}, {2, 1}}, 1, {0, 0, 0.5L}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SetGeneratrix(c.nodes);
        TVec3 d{0.2L, -0.5L, 0.7L};
        NormalizeVector(d.x, d.y, d.z);
        TVec3 dir[2], normal[2];
        size_t messages[2];
        for (int fresh = 0; fresh < 2; ++fresh) {
            SetGeneratrix(c.nodes);  // the stored normals as preprocessing leaves them
            Messages.Shown.clear();
            SetRay(c.point.x, c.point.y, c.point.z, d.x, d.y, d.z, c.surface);
            CurrentSurfaceNormal();
            if (fresh)
                ReflectSpecular();
            else
                ReflectSpecularAtEvaluatedNormal();
            dir[fresh] = {Ray.RayDX, Ray.RayDY, Ray.RayDZ};
            normal[fresh] = {Ray.NormalX, Ray.NormalY, Ray.NormalZ};
            messages[fresh] = Messages.Shown.size();
        }
        EXPECT_EQ(dir[0].x, dir[1].x);
        EXPECT_EQ(dir[0].y, dir[1].y);
        EXPECT_EQ(dir[0].z, dir[1].z);
        EXPECT_EQ(normal[0].x, normal[1].x);
        EXPECT_EQ(normal[0].y, normal[1].y);
        EXPECT_EQ(normal[0].z, normal[1].z);
        EXPECT_EQ(messages[0], messages[1]);
    }
}

}  // namespace
