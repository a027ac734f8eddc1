#pragma once

#include "optimiser/KnapsackTable.h"
#include "optimiser/SearchSpace.h"
#include "optimiser/WindowTable.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

namespace rivet::search {

// The knapsack tables a rule class may need: the least price of the mass a thrust needs and of
// reaching the goal, and the most each of the two goals can gain under each limit of soundness.
inline constexpr std::size_t kMassTable = 0;
inline constexpr std::size_t kGoalTable = 1;
inline constexpr std::size_t kFirstLimitTable = 2;
inline constexpr std::size_t kLimitCount = 5;
inline constexpr std::size_t kTradeOffTable = kFirstLimitTable + 2 * kLimitCount; // the first goal given the second
inline constexpr std::size_t kKnapsackTables = kTradeOffTable + 1;

// What the rules allow elsewhere once the legs and the arms are chosen.
struct RuleClass
{
    bool caterpillar = false;
    bool forbidsKarasawa = false;
    bool weaponArms = false;
    bool anks = false;

    int index() const
    {
        return (caterpillar ? 1 : 0) | (forbidsKarasawa ? 2 : 0) | (weaponArms ? 4 : 0) | (anks ? 8 : 0);
    }
};

// Whether the rules leave a choice of a booster, arm weapon or blade level standing.
bool admits(const RuleClass& rules, const Level& level, const Choice& choice);
// Whether the rules and the pairing leave these two back weapons standing together.
bool pairStands(const RuleClass& rules, const Choice& right, const Choice& left);

// The choices each level may take under one rule class, and what the levels from a depth on
// can add to each sum at least and at most. The left back weapon's list ignores the right
// one (the pair is checked when the left is chosen); the sums stay valid bounds.
struct ClassDomains
{
    RuleClass rules;
    std::vector<std::vector<int>> allowed; // per level: indices into its choices
    std::vector<Sums> least; // per depth 0..levelCount
    std::vector<Sums> most;
    std::vector<int> leastValue; // per level: the smallest position (or tick) it may take
    std::vector<std::uint64_t> suffixProduct; // per depth: machines of the levels from there on, backs apart
    std::vector<int> unavoidableChanges; // per depth: selector levels from there on without the start's item
    std::vector<std::uint64_t> leftCounts; // per right choice: left choices that count with it
    std::uint64_t pairCount = 0; // (right, left) pairs that count: they stand, and no mirror counted already
    bool empty = false; // some level has nothing left

    // Knapsack tables of the bounds, built when first asked for.
    mutable std::array<std::unique_ptr<KnapsackTable>, kKnapsackTables> knapsacks;
    mutable std::unique_ptr<WindowTable> windowTable;
    mutable bool windowTried = false;
};

class Domains
{
public:
    explicit Domains(const SearchSpace& space);

    // Before the legs and arms are chosen: every choice of every level.
    const ClassDomains& open() const { return m_open; }
    const ClassDomains& of(const Choice& legs, const Choice& arms);
    // Whether a machine with these back weapons is in the search under the class: the pair
    // stands, and it is not the mirror image of one that counts instead.
    bool pairCounts(const ClassDomains& domains, int rightChoice, int leftChoice) const;

    // The machines below a node at this depth: for depth >= 2 under its class, with the right
    // back weapon's choice when it is decided; for depth 1 (legs chosen) summed over the arms.
    std::uint64_t completions(const ClassDomains& domains, int depth, int rightChoice) const;
    std::uint64_t completionsAfterLegs(int legsChoice);
    std::uint64_t total();

private:
    void build(ClassDomains& domains, bool filtered) const;

    const SearchSpace& m_space;
    ClassDomains m_open;
    std::array<std::unique_ptr<ClassDomains>, 16> m_classes;
};

} // namespace rivet::search
