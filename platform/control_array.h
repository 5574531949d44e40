// Control arrays: members addressed by a 16-bit index, loaded and unloaded at run time.
#pragma once

#include "checked.h"
#include "control.h"
#include "errors.h"
#include "event_boundary.h"
#include "faults.h"

#include <QString>
#include <concepts>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace velsora {

// A member of a control array is a control.
template <class T>
concept ArrayMember = std::derived_from<T, Control>;
// clang-format 14 and 19 lay out requires-clauses differently: the constraints below stay as written.
// clang-format off
// One that can be loaded at run time makes the hidden copy of itself that a new member starts as.
template <class T>
concept LoadableMember = ArrayMember<T> && requires(const T& member) {
    { member.loadCopy() } -> std::same_as<std::unique_ptr<T>>;
};
// One whose clicks have a handler.
template <class T>
concept ClickableMember = ArrayMember<T> && requires(T& member, EventBoundary::Dispatch<> click) {
    member.onClick(std::move(click));
};
// clang-format on

// Members created at design time are given to the array; loaded members are copies of member 0
// and may be unloaded.
template <ArrayMember T> class ControlArray {
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

    // clang-format off
    void Load(Integer index) requires LoadableMember<T>
    // clang-format on
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

    // The click handler of every member, present and future; its steps receive the member's index.
    // clang-format off
    void onClick(EventBoundary::Dispatch<Integer> click) requires ClickableMember<T>
    // clang-format on
    {
        click_ = std::move(click);
        forEachMember([this](Integer index, T& member) { member.onClick(click_->forMember(index)); });
    }

    // What the window adds to every member, present and future, with its index; for loaded
    // members it comes after the copy of member 0, so it may change what the copy took over.
    void setUp(std::function<void(Integer, T&)> setUp)
    {
        setUp_ = std::move(setUp);
        forEachMember(setUp_);
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
        if constexpr (ClickableMember<T>) {
            if (click_) {
                member->onClick(click_->forMember(index));
            }
        }
        if (setUp_) {
            setUp_(index, *member);
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
    std::optional<EventBoundary::Dispatch<Integer>> click_;
    std::function<void(Integer, T&)> setUp_;
};

} // namespace velsora
