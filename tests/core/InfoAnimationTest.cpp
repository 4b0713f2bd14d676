#include "core/info/Animation.h"
#include "core/info/HistorySlide.h"
#include "core/info/InfoChains.h"

#include <array>
#include <gtest/gtest.h>
#include <map>
#include <string>
#include <vector>

namespace quolan::info {
namespace {

// Controls as plain numbers, every set recorded.
struct FakeControls final : Controls {
    int get(std::string_view control, Property property) const override {
        const auto found = values.find(std::string(control));
        return found == values.end() ? 0 : found->second[static_cast<std::size_t>(property)];
    }
    void set(std::string_view control, Property property, int value) override {
        values[std::string(control)][static_cast<std::size_t>(property)] = value;
        if (property == watched.first && control == watched.second)
            watchedValues.push_back(value);
    }
    std::map<std::string, std::array<int, 5>> values;
    std::pair<Property, std::string_view> watched{Property::Visible, {}};
    std::vector<int> watchedValues;
};

// A chain on fake controls, with the opener applied and stage 1 started.
struct ChainRun {
    ChainRun(std::span<const Preset> opener, std::span<const Stage> stages)
        : chain(stages, controls, [this](std::size_t stage, bool on) {
              switches.push_back({stage, on});
          }) {
        applyPresets(opener, controls);
        chain.start(0);
    }
    // Ticks `stage` until it stops; the ticks it took.
    int runStage(std::size_t stage) {
        int ticks = 0;
        while (chain.running(stage) && ticks < 10000) {
            chain.tick(stage);
            ++ticks;
        }
        return ticks;
    }
    int at(std::string_view control, Property p) const { return controls.get(control, p); }

    FakeControls controls;
    Chain chain;
    std::vector<std::pair<std::size_t, bool>> switches;
};

struct StageRow {
    std::size_t stage;
    int ticks;
    std::string_view control;
    Property property;
    int rest;
};

void expectStagesInTurn(ChainRun& run, const std::vector<StageRow>& rows) {
    for (const StageRow& row : rows) {
        SCOPED_TRACE("stage " + std::to_string(row.stage + 1));
        ASSERT_TRUE(run.chain.running(row.stage));
        EXPECT_EQ(run.runStage(row.stage), row.ticks);
        EXPECT_EQ(run.at(row.control, row.property), row.rest);
        // Only the next stage runs now, or none after the last.
        for (std::size_t i = 0; i < run.chain.size(); ++i)
            EXPECT_EQ(run.chain.running(i), i == row.stage + 1) << i;
    }
}

TEST(AboutChain, everyStageTakesItsTicksAndRestsInPlace) {
    ChainRun run(aboutOpener(), aboutStages());
    EXPECT_EQ(run.at("okBtn", Property::Visible), 0);
    expectStagesInTurn(run, {
                                {0, 57, "MovBevel1", Property::Left, -24}, // no snap
                                {1, 36, "Label1", Property::Left, 8},
                                {2, 44, "BrennowBevel", Property::Width, 281},
                                {3, 44, "Logo", Property::Height, 161},
                                {4, 26, "Label5", Property::Top, 240},
                                {5, 27, "Label3", Property::Top, 256},
                                {6, 29, "Label4", Property::Top, 272},
                                {7, 22, "ButBev", Property::Left, 304},
                                {8, 42, "Label6", Property::Left, 336},
                            });
    EXPECT_EQ(run.at("Label2", Property::Left), 8);
    for (std::string_view frame : {"BrennowBevel", "Logo"}) {
        EXPECT_EQ(run.at(frame, Property::Left), 72);
        EXPECT_EQ(run.at(frame, Property::Top), 72);
        EXPECT_EQ(run.at(frame, Property::Visible), 1);
    }
    EXPECT_EQ(run.at("okBtn", Property::Visible), 1);
    // The last stage stops its own timer, then stages 8 down to 2.
    const std::vector<std::pair<std::size_t, bool>> lastSwitches(run.switches.end() - 8,
                                                                 run.switches.end());
    EXPECT_EQ(lastSwitches, (std::vector<std::pair<std::size_t, bool>>{{8, false},
                                                                       {7, false},
                                                                       {6, false},
                                                                       {5, false},
                                                                       {4, false},
                                                                       {3, false},
                                                                       {2, false},
                                                                       {1, false}}));
}

TEST(AboutChain, showsTheFrameLogoAndButtonOnlyWhenTheirStageEnds) {
    ChainRun run(aboutOpener(), aboutStages());
    run.runStage(0);
    EXPECT_EQ(run.at("BrennowBevel", Property::Visible), 0);
    run.runStage(1);
    EXPECT_EQ(run.at("BrennowBevel", Property::Visible), 1);
    EXPECT_EQ(run.at("Logo", Property::Visible), 0);
    run.runStage(2);
    EXPECT_EQ(run.at("Logo", Property::Visible), 1);
    for (std::size_t s = 3; s < 7; ++s)
        run.runStage(s);
    EXPECT_EQ(run.at("okBtn", Property::Visible), 0);
    run.runStage(7);
    EXPECT_EQ(run.at("okBtn", Property::Visible), 1);
}

TEST(AboutChain, stageSixOvershootsTo258AndSnapsTo256InTheSameTick) {
    ChainRun run(aboutOpener(), aboutStages());
    for (std::size_t s = 0; s < 5; ++s)
        run.runStage(s);
    run.controls.watched = {Property::Top, "Label3"};
    run.runStage(5);
    ASSERT_GE(run.controls.watchedValues.size(), 2u);
    EXPECT_EQ(run.controls.watchedValues[run.controls.watchedValues.size() - 2], 258);
    EXPECT_EQ(run.controls.watchedValues.back(), 256);
}

TEST(GrowFrame, clampsEachSideAndEndsOnTick44WhateverTheBuiltSize) {
    FrameBox box{200, 152, 17, 17};
    int heightAt = 0, topAt = 0, leftAt = 0, widthAt = 0;
    for (int tick = 1; tick <= 44; ++tick) {
        box = growFrame(box);
        if (!heightAt && box.height == 161)
            heightAt = tick;
        if (!topAt && box.top == 72)
            topAt = tick;
        if (!leftAt && box.left == 72)
            leftAt = tick;
        if (!widthAt && box.width == 281)
            widthAt = tick;
    }
    EXPECT_EQ((std::array{heightAt, topAt, leftAt, widthAt}), (std::array{24, 27, 43, 44}));
    EXPECT_EQ(box, kGrowTarget);
    EXPECT_EQ(growFrame(FrameBox{0, 0, 500, 500}), kGrowTarget);
}

TEST(AboutChain, theOpenerRestartsARunningChainFromStageOne) {
    ChainRun run(aboutOpener(), aboutStages());
    run.runStage(0);
    run.runStage(1);
    for (int i = 0; i < 10; ++i)
        run.chain.tick(2);
    // The opener again: positions reset, stage 1 on, stages 9 down to 2 off.
    applyPresets(aboutOpener(), run.controls);
    run.chain.start(0);
    for (std::size_t s = 8; s >= 1; --s)
        run.chain.stop(s);
    EXPECT_EQ(run.at("BrennowBevel", Property::Width), 17);
    EXPECT_EQ(run.at("BrennowBevel", Property::Visible), 0);
    EXPECT_EQ(run.at("MovBevel1", Property::Left), 432);
    expectStagesInTurn(
        run, {{0, 57, "MovBevel1", Property::Left, -24}, {1, 36, "Label1", Property::Left, 8}});
}

TEST(AboutChain, completingAtOnceLeavesTheRestPositions) {
    ChainRun run(aboutOpener(), aboutStages());
    for (int i = 0; i < 5; ++i)
        run.chain.tick(0);
    EXPECT_EQ(run.chain.completeNow(), 57 + 36 + 44 + 44 + 26 + 27 + 29 + 22 + 42 - 5);
    EXPECT_FALSE(run.chain.anyRunning());
    EXPECT_EQ(run.at("Label6", Property::Left), 336);
    EXPECT_EQ(run.at("ButBev", Property::Left), 304);
    EXPECT_EQ(run.at("Label4", Property::Top), 272);
    EXPECT_EQ(run.at("okBtn", Property::Visible), 1);
}

TEST(Chain, aTickOfAStoppedStageDoesNothing) {
    ChainRun run(aboutOpener(), aboutStages());
    run.chain.tick(4);
    EXPECT_EQ(run.at("Label5", Property::Top), -12);
    run.chain.stop(0);
    run.chain.tick(0);
    EXPECT_EQ(run.at("MovBevel1", Property::Left), 432);
    run.chain.tick(99); // no such stage
}

TEST(CreditsChain, everyStageTakesItsTicksAndRestsInPlace) {
    ChainRun run(creditsOpener(), creditsStages());
    EXPECT_EQ(run.at("Label20", Property::Visible), 0);
    expectStagesInTurn(run, {
                                {0, 36, "Bevel1", Property::Left, -48},
                                {1, 36, "Bevel1", Property::Left, -370},
                                {2, 52, "Bevel2", Property::Top, 0},
                                {3, 39, "Bevel3", Property::Left, 24},
                                {4, 35, "Label12", Property::Left, 32},
                                {5, 35, "Label15", Property::Left, 32},
                                {6, 35, "Label18", Property::Left, 32},
                                {7, 35, "Label19", Property::Left, 32},
                                {8, 35, "Label13", Property::Left, 32},
                                {9, 35, "Label16", Property::Left, 32},
                                {10, 35, "Label14", Property::Left, 32},
                                {11, 35, "Label17", Property::Left, 32},
                                {12, 34, "Image1", Property::Left, 280},
                                {13, 19, "BevelOk", Property::Left, 336},
                            });
    for (std::string_view label : {"Label11", "Label1", "Label10", "Label20", "Label21"})
        EXPECT_EQ(run.at(label, Property::Visible), 1) << label;
    EXPECT_EQ(run.at("CreditsOk", Property::Visible), 1);
}

TEST(CreditsChain, theAdministrationBlockAppearsWhenTheCurtainArrives) {
    ChainRun run(creditsOpener(), creditsStages());
    for (int i = 0; i < 35; ++i)
        run.chain.tick(0);
    EXPECT_EQ(run.at("Label11", Property::Visible), 0);
    run.chain.tick(0);
    EXPECT_EQ(run.at("Label11", Property::Visible), 1);
    EXPECT_EQ(run.at("Label21", Property::Visible), 1);
}

TEST(CreditsChain, stageTwoOvershootsToMinus372AndSnapsToMinus370) {
    ChainRun run(creditsOpener(), creditsStages());
    run.runStage(0);
    run.controls.watched = {Property::Left, "Bevel1"};
    run.runStage(1);
    const auto& seen = run.controls.watchedValues;
    ASSERT_GE(seen.size(), 2u);
    EXPECT_EQ(seen[seen.size() - 2], -372);
    EXPECT_EQ(seen.back(), -370);
}

TEST(CreditsChain, aCloseStopsTheFirst13StagesOnly) {
    EXPECT_EQ(creditsStopOnClose().size(), 13u);
    for (std::size_t i = 0; i < 13; ++i)
        EXPECT_EQ(creditsStopOnClose()[i], i);
}

TEST(HistorySlide, turnsAt16OrLessAnd472OrMore) {
    ButtonSlide slide;
    slide = slideTick(slide);
    EXPECT_EQ(slide, (ButtonSlide{13, false})); // the first tick from 16
    int ticksRight = 0;
    while (!slide.leftward) {
        slide = slideTick(slide);
        ++ticksRight;
        ASSERT_LE(slide.left, 472);
    }
    EXPECT_EQ(slide.left, 472);
    EXPECT_EQ(ticksRight, 153);
    int ticksLeft = 0;
    while (slide.leftward) {
        slide = slideTick(slide);
        ++ticksLeft;
    }
    EXPECT_EQ(slide.left, 16);
    EXPECT_EQ(ticksLeft, 152);
}

TEST(HistorySlide, placingAfterManyTicksMatchesTickingThem) {
    for (std::uint64_t ticks :
         {0ull, 1ull, 2ull, 153ull, 154ull, 306ull, 307ull, 1000ull, 123457ull}) {
        ButtonSlide walked;
        for (std::uint64_t i = 0; i < ticks; ++i)
            walked = slideTick(walked);
        EXPECT_EQ(slideAfter(ButtonSlide{}, ticks), walked) << ticks;
        const ButtonSlide mid{100, false};
        ButtonSlide fromMid = mid;
        for (std::uint64_t i = 0; i < ticks; ++i)
            fromMid = slideTick(fromMid);
        EXPECT_EQ(slideAfter(mid, ticks), fromMid) << ticks;
    }
    // A day hidden is placed without walking it.
    const ButtonSlide day = slideAfter(ButtonSlide{}, 8'640'000);
    EXPECT_GE(day.left, 16);
    EXPECT_LE(day.left, 472);
}

} // namespace
} // namespace quolan::info
