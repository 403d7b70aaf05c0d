#include "T_AM2000_AnimationKind.h"
#include "T_AM2000_AnimationSteps.h"

#include <QApplication>
#include <gtest/gtest.h>
#include <vector>

using enum T_AM2000_Animation;
using Resolved = T_AM2000_AnimationKind::Resolved;

namespace {

T_AM2000_SystemSettings Settings(bool known, bool animation, bool fade)
{
    T_AM2000_SystemSettings settings;
    settings.known = known;
    settings.menuAnimation = animation;
    settings.menuFade = fade;
    return settings;
}

const T_AM2000_SystemSettings animationOn = Settings(true, true, false);

Resolved Resolve(T_AM2000_Animation kind, bool fromMenuBar = false,
                 const T_AM2000_SystemSettings& settings = animationOn)
{
    return T_AM2000_AnimationKind::Resolve(kind, false, fromMenuBar, settings, [] { return true; });
}

// The sizes a window takes from its start until the animation ends.
std::vector<QSize> Growth(QSize target, T_AM2000_Animation kind)
{
    const T_AM2000_AnimationSteps steps(target, kind);
    std::vector<QSize> sizes{steps.StartSize()};
    for (int guard = 0; guard < 100; ++guard) {
        const auto step = steps.Advance(sizes.back());
        sizes.push_back(step.size);
        if (step.finished)
            break;
    }
    return sizes;
}

} // namespace

TEST(MenuAnimationKind, CombinedKindsShowTheVerticalFormAndHandTheHorizontalToSubmenus)
{
    EXPECT_EQ(Resolve(anSlide), (Resolved{anVertSlide, anHorzSlide}));
    EXPECT_EQ(Resolve(anStretch), (Resolved{anVertStretch, anHorzStretch}));
    EXPECT_EQ(Resolve(anRoll), (Resolved{anVertRoll, anHorzRoll}));
    EXPECT_EQ(Resolve(anPopup), (Resolved{anDoubleSlide, anHorzSlide}));
    for (auto kind : {anNone, anVertSlide, anHorzSlide, anDoubleSlide, anFade, anVertStretch,
                      anHorzStretch, anDoubleStretch, anVertRoll, anHorzRoll, anDoubleRoll})
        EXPECT_EQ(Resolve(kind), (Resolved{kind, kind})) << int(kind);
    // A submenu resolves what its opener remembered: the horizontal form stays.
    EXPECT_EQ(Resolve(Resolve(anStretch).submenus), (Resolved{anHorzStretch, anHorzStretch}));
}

TEST(MenuAnimationKind, NoAnimationModeWinsOverEveryKind)
{
    for (auto kind : {anFade, anRandom, anDefault, anVertStretch, anPopup})
        EXPECT_EQ(T_AM2000_AnimationKind::Resolve(kind, true, true, animationOn),
                  (Resolved{anNone, anNone}))
            << int(kind);
}

TEST(MenuAnimationKind, RandomTossesForEveryWindowAndStaysRandomForSubmenus)
{
    int tosses = 0;
    bool vertical = false;
    const auto coin = [&] {
        ++tosses;
        vertical = !vertical;
        return vertical;
    };
    EXPECT_EQ(T_AM2000_AnimationKind::Resolve(anRandom, false, false, animationOn, coin),
              (Resolved{anVertSlide, anRandom}));
    EXPECT_EQ(T_AM2000_AnimationKind::Resolve(anRandom, false, false, animationOn, coin),
              (Resolved{anHorzSlide, anRandom}));
    EXPECT_EQ(tosses, 2);
}

TEST(MenuAnimationKind, DefaultFollowsTheSystemSettings)
{
    const auto fade = Settings(true, true, true);
    EXPECT_EQ(Resolve(anDefault, true, fade), (Resolved{anFade, anFade}));
    EXPECT_EQ(Resolve(anDefault, true), (Resolved{anVertSlide, anHorzSlide}));
    EXPECT_EQ(Resolve(anDefault, false), (Resolved{anDoubleSlide, anHorzSlide}));
    EXPECT_EQ(Resolve(anDefault, true, Settings(true, false, true)), (Resolved{anNone, anNone}));
    // Settings nobody could read count as animation on and fading off.
    EXPECT_EQ(Resolve(anDefault, true, Settings(false, false, true)),
              (Resolved{anVertSlide, anHorzSlide}));
    EXPECT_EQ(Resolve(anDefault, false, Settings(false, false, true)),
              (Resolved{anDoubleSlide, anHorzSlide}));
}

TEST(MenuAnimationSteps, VerticalStretchGrowsFivePixelsAStepFromFourAtFullWidth)
{
    const T_AM2000_AnimationSteps steps(QSize(160, 90), anVertStretch);
    EXPECT_EQ(steps.StepY(), 5);
    EXPECT_EQ(steps.StartSize(), QSize(160, 4));
    const auto sizes = Growth(QSize(160, 90), anVertStretch);
    ASSERT_EQ(sizes.size(), 19u); // 4, 9, ..., 89, then the full 90
    for (std::size_t i = 0; i + 1 < sizes.size(); ++i)
        EXPECT_EQ(sizes[i], QSize(160, 4 + 5 * int(i)));
    EXPECT_EQ(sizes.back(), QSize(160, 90));
}

TEST(MenuAnimationSteps, DoubleSlideTakesTheLargerStepAcrossAndEndsWhenOneSideArrives)
{
    const T_AM2000_AnimationSteps steps(QSize(160, 90), anDoubleSlide);
    EXPECT_EQ(steps.StepX(), 10);
    EXPECT_EQ(steps.StepY(), 5);
    EXPECT_EQ(steps.StartSize(), QSize(16, 4));
    const auto sizes = Growth(QSize(160, 90), anDoubleSlide);
    // The width reaches 160 after 15 steps of 10 from 16 (still short in height: 79).
    ASSERT_EQ(sizes.size(), 16u);
    EXPECT_EQ(sizes[14], QSize(156, 74));
    EXPECT_EQ(sizes.back(), QSize(160, 90));
}

TEST(MenuAnimationSteps, NarrowAndLowMenusStillStepByThree)
{
    const T_AM2000_AnimationSteps narrow(QSize(20, 50), anHorzSlide);
    EXPECT_EQ(narrow.StepX(), 3);
    EXPECT_EQ(narrow.StartSize(), QSize(2, 50));
    EXPECT_EQ(narrow.Advance(QSize(2, 50)).size, QSize(5, 50));
    EXPECT_EQ(narrow.Advance(QSize(17, 50)).size, QSize(20, 50));
    EXPECT_TRUE(narrow.Advance(QSize(17, 50)).finished);

    // 20 / 10 - 3 starts below zero; the steps still lead to the target.
    const T_AM2000_AnimationSteps low(QSize(100, 20), anVertRoll);
    EXPECT_EQ(low.StartSize(), QSize(100, -1));
    EXPECT_EQ(low.Advance(low.StartSize()).size, QSize(100, 2));
}

TEST(MenuAnimationSteps, KindsThatDoNotGrowEndAtTheFirstStep)
{
    for (auto kind : {anNone, anFade}) {
        const T_AM2000_AnimationSteps steps(QSize(80, 60), kind);
        EXPECT_EQ(steps.StartSize(), QSize(80, 60));
        EXPECT_TRUE(steps.Advance(steps.StartSize()).finished);
    }
}

TEST(MenuSystemSettings, AnInstalledSourceAnswersUntilItIsRemoved)
{
    T_AM2000_SystemSettings fading;
    fading.menuFade = true;
    const auto previous = T_AM2000_SystemSettings::SetSource([&] { return fading; });
    EXPECT_TRUE(T_AM2000_SystemSettings::Current().menuFade);
    EXPECT_EQ(Resolve(anDefault, true, T_AM2000_SystemSettings::Current()),
              (Resolved{anFade, anFade}));
    T_AM2000_SystemSettings::SetSource(previous);
    const auto application = T_AM2000_SystemSettings::Current();
    EXPECT_TRUE(application.known);
    EXPECT_EQ(application.menuAnimation, QApplication::isEffectEnabled(Qt::UI_AnimateMenu));
    EXPECT_EQ(application.menuFade, QApplication::isEffectEnabled(Qt::UI_FadeMenu));
}
