// A worksheet asked for by a handed-on address: what it asks for, and the
// message that names a value it cannot take.
#include "web/worksheet_request.h"

#include <gtest/gtest.h>

#include "core/catalog.h"

namespace parabel::web {
namespace {

struct AddressCase {
    const char* fragment;
    std::uint32_t seed;
    int count;
    int variants;
    std::vector<EquationKind> kinds;
    Message error;  // the message's id when the address is refused
    const char* value;
};

using enum EquationKind;
constexpr Message kAccepted{};  // no message: the address is taken

const AddressCase kAddresses[] = {
    {"#worksheet=7", 7, 20, 1, AllKinds(), kAccepted, ""},
    {"#worksheet=4294967295&count=40&variants=4&kinds=one,whole",
     4294967295U,
     40,
     4,
     {kOne, kWhole},
     kAccepted,
     ""},
    {"#worksheet=0&kinds=incomplete&count=1", 0, 1, 1, {kIncomplete}, kAccepted, ""},
    {"#worksheet=4294967296", 0, 0, 0, {}, Message::kWorksheetDialogBadSeed, "4294967296"},
    {"#worksheet=", 0, 0, 0, {}, Message::kWorksheetDialogBadSeed, ""},
    {"#worksheet=-1", 0, 0, 0, {}, Message::kWorksheetDialogBadSeed, "-1"},
    {"#worksheet=7&count=41", 0, 0, 0, {}, Message::kWorksheetDialogBadCount, "41"},
    {"#worksheet=7&count=0", 0, 0, 0, {}, Message::kWorksheetDialogBadCount, "0"},
    {"#worksheet=7&variants=5", 0, 0, 0, {}, Message::kWorksheetDialogBadVariants, "5"},
    {"#worksheet=7&kinds=whole,two", 0, 0, 0, {}, Message::kWorksheetDialogBadKind, "two"},
    {"#worksheet=7&kinds=", 0, 0, 0, {}, Message::kWorksheetDialogNoKinds, ""},
    {"#worksheet=7&colour=red", 0, 0, 0, {}, Message::kWorksheetDialogBadAddress, "colour=red"},
    {"#worksheet=7&count=3&count=4", 0, 0, 0, {}, Message::kWorksheetDialogBadAddress, "count=4"},
    {"#worksheet=7&count", 0, 0, 0, {}, Message::kWorksheetDialogBadAddress, "count"},
};

TEST(WorksheetAddress, AsksForTheWorksheetOrNamesTheWrongValue) {
    for (const AddressCase& address : kAddresses) {
        SCOPED_TRACE(address.fragment);
        const std::optional<WorksheetReading> reading = ReadWorksheetAddress(address.fragment);
        ASSERT_TRUE(reading);
        if (address.error != kAccepted) {
            EXPECT_FALSE(reading->request);
            EXPECT_EQ(reading->error, FormatText(address.error, {{"value", address.value}}));
            continue;
        }
        ASSERT_TRUE(reading->request) << reading->error;
        EXPECT_EQ(reading->request->seed, address.seed);
        EXPECT_EQ(reading->request->count, address.count);
        EXPECT_EQ(reading->request->variants, address.variants);
        EXPECT_EQ(reading->request->kinds, address.kinds);
    }
}

TEST(WorksheetAddress, AnEquationsAddressAsksForNoWorksheet) {
    for (const char* fragment : {"", "#x^2-5x+6", "#worksheet", "#Worksheet=7"}) {
        EXPECT_FALSE(ReadWorksheetAddress(fragment)) << fragment;
    }
}

}  // namespace
}  // namespace parabel::web
