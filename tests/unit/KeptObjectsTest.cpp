#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <vector>

#include "base/KeptObjects.h"

namespace {
// What was made and released, as a GDI object table would see it.
struct Ledger {
    int Made = 0;
    std::vector<int> Released;
    int Live() const { return Made - int(Released.size()); }
} TheLedger;

// An owner that writes its release down, as a Scoped handle deletes its font.
struct Token {
    int Id;
};
struct Release {
    void operator()(Token* t) const
    {
        TheLedger.Released.push_back(t->Id);
        delete t;
    }
};
using Owned = std::unique_ptr<Token, Release>;
Owned Make()
{
    return Owned(new Token{TheLedger.Made++});
}

const size_t Capacity = 4;
} // namespace

TEST(KeptObjects, EachEvictedObjectIsReleasedOnceAndNeverMoreThanCapacityLive)
{
    TheLedger = {};
    {
        KeptObjects<unsigned, Owned, Capacity> kept;
        const auto make = [] {
            EXPECT_LT(TheLedger.Live(), int(Capacity)) << "made before the evicted one was released";
            return Make();
        };
        EXPECT_EQ(kept.Get(7, make)->Id, kept.Get(7, make)->Id);
        for (unsigned i = 0; i < 500; ++i)  // far more keys than room, some coming back
            kept.Get(i * i % 37, make);
        EXPECT_EQ(int(Capacity), TheLedger.Live());
    }
    std::vector<int> released = TheLedger.Released;
    std::sort(released.begin(), released.end());
    ASSERT_EQ(size_t(TheLedger.Made), released.size());
    for (int id = 0; id < TheLedger.Made; ++id)
        EXPECT_EQ(id, released[size_t(id)]) << "released twice or never";
}

TEST(KeptObjects, TheLeastRecentlyUsedGoesButNeverOneInUse)
{
    TheLedger = {};
    KeptObjects<unsigned, Owned, Capacity> kept;
    for (unsigned key = 1; key <= 4; ++key)
        kept.Get(key, Make);  // ids 0 to 3
    kept.Get(1, Make);
    kept.Get(5, Make);
    EXPECT_EQ(std::vector<int>{1}, TheLedger.Released) << "key 2 was the least recently used";

    // Keys 3 and 4 in use: of 1 and 5, the older goes.
    const auto notThreeOrFour = [](const Owned& o) { return o->Id != 2 && o->Id != 3; };
    EXPECT_EQ(5, (*kept.Find(6, Make, notThreeOrFour))->Id);
    EXPECT_EQ((std::vector<int>{1, 0}), TheLedger.Released);

    // Every one in use: nothing made, nothing let go.
    const auto noneMayGo = [](const Owned&) { return false; };
    EXPECT_EQ(nullptr, kept.Find(7, Make, noneMayGo));
    EXPECT_EQ(6, TheLedger.Made);
    EXPECT_EQ(2u, TheLedger.Released.size());
    EXPECT_EQ(2, (*kept.Find(3, Make, noneMayGo))->Id);
}
