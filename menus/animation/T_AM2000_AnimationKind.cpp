#include "T_AM2000_AnimationKind.h"

#include <QRandomGenerator>

using enum T_AM2000_Animation;

T_AM2000_AnimationKind::Resolved
T_AM2000_AnimationKind::Resolve(T_AM2000_Animation requested, bool noAnimation, bool fromMenuBar,
                                const T_AM2000_SystemSettings& settings, const Coin& coin)
{
    if (noAnimation)
        return {anNone, anNone};
    switch (requested) {
    case anRandom:
        return {coin() ? anVertSlide : anHorzSlide, anRandom};
    case anSlide:
        return {anVertSlide, anHorzSlide};
    case anStretch:
        return {anVertStretch, anHorzStretch};
    case anRoll:
        return {anVertRoll, anHorzRoll};
    case anPopup:
        return {anDoubleSlide, anHorzSlide};
    case anDefault:
        return ResolveDefault(fromMenuBar, settings);
    default:
        return {requested, requested};
    }
}

T_AM2000_AnimationKind::Resolved
T_AM2000_AnimationKind::ResolveDefault(bool fromMenuBar, const T_AM2000_SystemSettings& settings)
{
    if (settings.known && !settings.menuAnimation)
        return {anNone, anNone};
    if (settings.known && settings.menuFade)
        return {anFade, anFade};
    return {fromMenuBar ? anVertSlide : anDoubleSlide, anHorzSlide};
}

bool T_AM2000_AnimationKind::GrowsHorizontally(T_AM2000_Animation kind)
{
    switch (kind) {
    case anHorzSlide:
    case anDoubleSlide:
    case anHorzStretch:
    case anDoubleStretch:
    case anHorzRoll:
    case anDoubleRoll:
        return true;
    default:
        return false;
    }
}

bool T_AM2000_AnimationKind::GrowsVertically(T_AM2000_Animation kind)
{
    switch (kind) {
    case anVertSlide:
    case anDoubleSlide:
    case anVertStretch:
    case anDoubleStretch:
    case anVertRoll:
    case anDoubleRoll:
        return true;
    default:
        return false;
    }
}

bool T_AM2000_AnimationKind::Stretches(T_AM2000_Animation kind)
{
    return kind == anVertStretch || kind == anHorzStretch || kind == anDoubleStretch;
}

bool T_AM2000_AnimationKind::Rolls(T_AM2000_Animation kind)
{
    return kind == anVertRoll || kind == anHorzRoll || kind == anDoubleRoll;
}

bool T_AM2000_AnimationKind::FairCoin()
{
    return QRandomGenerator::global()->bounded(2) == 0;
}
