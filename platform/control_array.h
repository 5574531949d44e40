// Control arrays: members addressed by a 16-bit index, loaded and unloaded at run time.
#pragma once

#include "checked.h"
#include "control.h"
#include "errors.h"
#include "faults.h"

#include <QString>
#include <functional>
#include <memory>
#include <vector>

namespace velsora {

// Members created at design time are given to the array; loaded members are copies of member 0
// and may be unloaded.
template <class T> class ControlArray {
public:
    ControlArray(QString name, std::unique_ptr<T> member0) : name_(std::move(name))
    {
        addDesignMember(0, std::move(member0));
    }

    // The members' click connections and the set-up hold `this`: the array stays where it was made.
    ControlArray(const ControlArray&) = delete;
    ControlArray& operator=(const ControlArray&) = delete;
    ControlArray(ControlArray&&) = delete;
    ControlArray& operator=(ControlArray&&) = delete;
    ~ControlArray() = default;

    void addDesignMember(Integer index, std::unique_ptr<T> member) { store(index, std::move(member), true); }

    [[nodiscard]] T& operator()(Integer index) const
    {
        if (!exists(index)) {
            throw ControlArrayError(ControlArrayError::Kind::Missing, name_, index);
        }
        return *slots_[static_cast<std::size_t>(index)].member;
    }

    [[nodiscard]] bool exists(Integer index) const noexcept
    {
        return index >= 0 && static_cast<std::size_t>(index) < slots_.size()
               && slots_[static_cast<std::size_t>(index)].member != nullptr;
    }

    // The index of the member whose widget `widget` is, or -1: looked up among the members that
    // exist, so a new member can never be taken for a deleted one whose memory it reuses.
    [[nodiscard]] Integer indexOf(const QObject* widget) const noexcept
    {
        for (std::size_t i = 0; i < slots_.size(); ++i) {
            if (slots_[i].member && slots_[i].member->widget() == widget) {
                return static_cast<Integer>(i);
            }
        }
        return -1;
    }

    // Number of members that exist, design-time ones included.
    [[nodiscard]] int count() const noexcept { return count_; }

    void Load(Integer index)
    {
        if (index < 0) {
            throw ControlArrayError(ControlArrayError::Kind::Missing, name_, index);
        }
        if (exists(index)) {
            throw ControlArrayError(ControlArrayError::Kind::AlreadyLoaded, name_, index);
        }
        faults::beforeWrite("Load");
        store(index, (*this)(0).loadCopy(), false);
    }

    void Unload(Integer index)
    {
        if (!exists(index)) {
            throw ControlArrayError(ControlArrayError::Kind::Missing, name_, index);
        }
        Slot& slot = slots_[static_cast<std::size_t>(index)];
        if (slot.designTime) {
            throw ControlArrayError(ControlArrayError::Kind::DesignTime, name_, index);
        }
        faults::beforeWrite("Unload");
        // Deleted at once, not later: only Clear unloads, and Clear is never an event of the
        // member it unloads, so no Qt code is still running inside that member's widget. A
        // handler that unloaded the very member whose event it handles would have to defer this.
        slot.member.reset();
        --count_;
    }

    // What the window adds to every member, present and future, with its index; for loaded
    // members it comes after the copy of member 0, so it may change what the copy took over.
    void setUp(std::function<void(Integer, T&)> setUp)
    {
        forEachMember(setUp);
        setUps_.push_back(std::move(setUp));
    }

    [[nodiscard]] const QString& name() const noexcept { return name_; }

private:
    struct Slot {
        std::unique_ptr<T> member;
        bool designTime = false;
    };

    void store(Integer index, std::unique_ptr<T> member, bool designTime)
    {
        const auto at = static_cast<std::size_t>(index);
        if (at >= slots_.size()) {
            slots_.resize(at + 1);
        }
        for (const auto& setUp : setUps_) {
            setUp(index, *member);
        }
        slots_[at] = Slot{std::move(member), designTime};
        ++count_;
    }

    template <class Visit> void forEachMember(const Visit& visit)
    {
        for (std::size_t i = 0; i < slots_.size(); ++i) {
            if (slots_[i].member) {
                visit(static_cast<Integer>(i), *slots_[i].member);
            }
        }
    }

    QString name_;
    std::vector<Slot> slots_;
    int count_ = 0;
    std::vector<std::function<void(Integer, T&)>> setUps_;
};

} // namespace velsora
