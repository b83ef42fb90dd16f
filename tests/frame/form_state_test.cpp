// The form state's layout: 32-bit floats for stored values, 16-bit integers
// for flags and small integers, the two 52-entry break-point arrays, all
// zero when the window's record comes into being.
#include "frame/form_state.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <type_traits>

namespace {

using tessomar::FormState;

template <typename Field, typename Want> constexpr bool is = std::is_same_v<Field, Want>;

static_assert(is<decltype(FormState::SineAccel), float> && is<decltype(FormState::RandomGrms), float> &&
              is<decltype(FormState::SineVel), float> && is<decltype(FormState::RandomVel), float> &&
              is<decltype(FormState::SineDisp), float> && is<decltype(FormState::RandomDisp), float> &&
              is<decltype(FormState::ScaleFactor), float> && is<decltype(FormState::SineFreq), float>);
static_assert(is<decltype(FormState::EnglishUnits), std::int16_t> && is<decltype(FormState::CalcMode), std::int16_t> &&
              is<decltype(FormState::EditRow), std::int16_t> && is<decltype(FormState::FocusRow), std::int16_t> &&
              is<decltype(FormState::EntryPending), std::int16_t>);
static_assert(std::tuple_size_v<decltype(FormState::BkFreq)> == 52 &&
              std::tuple_size_v<decltype(FormState::BkPsd)> == 52);
static_assert(is<decltype(FormState::BkFreq)::value_type, float> && is<decltype(FormState::BkPsd)::value_type, float>);
static_assert(tessomar::kTrue == -1 && tessomar::kFalse == 0);

TEST(FormState, FieldsStandInTheirOrder) {
    FormState fs;
    const void* order[] = {&fs.SineAccel,  &fs.RandomGrms,  &fs.SineVel,  &fs.RandomVel,    &fs.SineDisp,
                           &fs.RandomDisp, &fs.ScaleFactor, &fs.SineFreq, &fs.EnglishUnits, &fs.CalcMode,
                           &fs.LastEntry,  &fs.PriorEntry,  &fs.BkFreq,   &fs.BkPsd,        &fs.EditRow,
                           &fs.FocusRow,   &fs.EntryPending};
    for (std::size_t i = 1; i < std::size(order); ++i)
        EXPECT_LT(static_cast<const char*>(order[i - 1]), static_cast<const char*>(order[i])) << "field " << i;
}

TEST(FormState, IsAllZeroOnCreation) {
    // Placement over a dirty buffer: zero must come from the record itself.
    alignas(FormState) unsigned char buffer[sizeof(FormState)];
    std::fill(std::begin(buffer), std::end(buffer), static_cast<unsigned char>(0xA5));
    const FormState* fs = new (buffer) FormState;
    const float floats[] = {fs->SineAccel, fs->RandomGrms, fs->SineVel,     fs->RandomVel,
                            fs->SineDisp,  fs->RandomDisp, fs->ScaleFactor, fs->SineFreq};
    const std::int16_t smalls[] = {fs->EnglishUnits, fs->CalcMode, fs->EditRow, fs->FocusRow, fs->EntryPending};
    EXPECT_TRUE(std::all_of(std::begin(floats), std::end(floats), [](float f) { return f == 0.0f; }));
    EXPECT_TRUE(std::all_of(std::begin(smalls), std::end(smalls), [](std::int16_t n) { return n == 0; }));
    EXPECT_EQ(fs->LastEntry + fs->PriorEntry, "");
    EXPECT_EQ(fs->BkFreq, decltype(fs->BkFreq){});
    EXPECT_EQ(fs->BkPsd, decltype(fs->BkPsd){});
    fs->~FormState();
}

} // namespace
