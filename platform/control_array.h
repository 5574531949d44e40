// Control arrays: members addressed by a 16-bit index, loaded and unloaded at run time.
#pragma once

#include "checked.h"
#include "errors.h"
#include "faults.h"

#include <QString>
#include <QWidget>
#include <functional>
#include <memory>
#include <vector>

namespace velsora {

// T is a control with loadCopy() and onClick(). Members created at design time are
// given to the array; loaded members are copies of member 0 and may be unloaded.
template <class T> class ControlArray {
public:
    ControlArray(QString name, std::unique_ptr<T> member0) : name_(std::move(name))
    {
        addDesignMember(0, std::move(member0));
    }

    // Members' click connections hold `this`: the array stays where it was made.
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
        std::unique_ptr<T> member = (*this)(0).loadCopy();
        if (describe_) {
            member->setAccessibleDescription(describe_(index));
        }
        if (setUp_) {
            setUp_(index, *member);
        }
        // Keyboard focus walks the members in index order.
        if (exists(static_cast<Integer>(index - 1))) {
            QWidget::setTabOrder((*this)(static_cast<Integer>(index - 1)).widget(), member->widget());
        }
        store(index, std::move(member), false);
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

    // The click handler of every member, present and future; it receives the member's index.
    void onClick(std::function<void(Integer)> handler)
    {
        const bool connected = static_cast<bool>(handler_);
        handler_ = std::move(handler);
        for (std::size_t i = 0; !connected && i < slots_.size(); ++i) {
            if (slots_[i].member) {
                connect(static_cast<Integer>(i), *slots_[i].member);
            }
        }
    }

    // The accessible description of each member, from its index; applied to present and future members.
    void describeWith(std::function<QString(Integer)> describe)
    {
        describe_ = std::move(describe);
        for (std::size_t i = 0; i < slots_.size(); ++i) {
            if (slots_[i].member) {
                slots_[i].member->setAccessibleDescription(describe_(static_cast<Integer>(i)));
            }
        }
    }

    // Set-up of every member, present and future, with its index; for loaded members it comes
    // after the copy of member 0, so it may change what the copy took over.
    void onLoad(std::function<void(Integer, T&)> setUp)
    {
        setUp_ = std::move(setUp);
        for (std::size_t i = 0; i < slots_.size(); ++i) {
            if (slots_[i].member) {
                setUp_(static_cast<Integer>(i), *slots_[i].member);
            }
        }
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
        if (handler_) {
            connect(index, *member);
        }
        slots_[at] = Slot{std::move(member), designTime};
        ++count_;
    }

    void connect(Integer index, T& member)
    {
        if constexpr (requires { member.onClick(std::function<void()>{}); }) {
            member.onClick([this, index] {
                if (handler_) {
                    handler_(index);
                }
            });
        }
    }

    QString name_;
    std::vector<Slot> slots_;
    int count_ = 0;
    std::function<void(Integer)> handler_;
    std::function<QString(Integer)> describe_;
    std::function<void(Integer, T&)> setUp_;
};

} // namespace velsora
