#pragma once

#include "optimiser/Optimiser.h"

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

namespace rivet::search {

// The order machines are ranked in: a repair's changed selectors (fewer first), the goal
// numbers turned so that more is better, then the lower price, the smaller positions
// cb1..cb11, the smaller option bits. For a part of the search it holds the best each
// component can be there, so that part can be cut when even that loses.
struct Key
{
    int changes = 0;
    std::array<double, 2> goals {};
    std::int64_t price = 0;
    std::array<int, kSelectorCount> positions {};
    std::uint16_t options = 0;
};
bool better(const Key& a, const Key& b);

// A goal's number turned so that more is better.
inline double oriented(const Goal& goal, double value)
{
    return goal.direction == Direction::Higher ? value : -value;
}

struct Found
{
    Key key;
    ProposedMachine machine;
};

// The machines kept so far, and whether a part of the search can still add one.
class Standings
{
public:
    virtual ~Standings() = default;

    // Whether no machine whose key is at best this one could be kept.
    virtual bool beaten(const Key& best) const = 0;
    virtual void offer(const Key& key, const ProposedMachine& machine) = 0;
    // The machine a newcomer has to beat to be kept, when there is one such machine.
    virtual const Found* rival() const = 0;
    virtual std::vector<ProposedMachine> machines() const = 0;
    // A trade-off's points, the first goal falling and the second rising; none otherwise.
    virtual const std::vector<Found>* front() const { return nullptr; }

    static std::unique_ptr<Standings> forRequest(const OptimiserRequest& request);
};

// The first machines in the usual order, up to a number of them.
class BestList : public Standings
{
public:
    explicit BestList(std::size_t size);

    bool beaten(const Key& best) const override;
    void offer(const Key& key, const ProposedMachine& machine) override;
    const Found* rival() const override;
    std::vector<ProposedMachine> machines() const override;

private:
    std::size_t m_size;
    std::vector<Found> m_found; // best first
};

// The machines no other beats in both goals: for each pair of goal numbers that no other pair
// is at least as good as in both, the first machine in the usual order that shows it.
class TradeOffFront : public Standings
{
public:
    bool beaten(const Key& best) const override;
    void offer(const Key& key, const ProposedMachine& machine) override;
    const Found* rival() const override { return nullptr; }
    std::vector<ProposedMachine> machines() const override;
    const std::vector<Found>* front() const override { return &m_front; }

private:
    std::vector<Found> m_front; // the first goal falling, the second rising
};

} // namespace rivet::search
