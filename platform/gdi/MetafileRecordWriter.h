#pragma once
// The object table and the state a metafile has set so far, shared by both
// formats: a record is put down with only the objects and values its state
// changes, objects in the lowest free slots as players expect.

#include <algorithm>
#include <iterator>
#include <vector>

#include "platform/gdi/MetafileWriting.h"

// The objects in the file's object table and the state set so far.
class TRecordWriter {
public:
    explicit TRecordWriter(TFormat& f) : f_(f) {}

    void Record(const TMetaRecord& r) {
        const TMetaState& s = r.state;
        if (s.hasClip != state_.hasClip || (s.hasClip && !(s.clip == state_.clip))) {
            if (state_.hasClip) {
                // The restore brings back the objects and values of the save.
                f_.RestoreDC();
                state_ = saved_;
                selected_ = savedSelected_;
                FreePinned();
            }
            if (s.hasClip) {
                f_.SaveDC();
                saved_ = state_;
                savedSelected_ = selected_;
                f_.IntersectClip(s.clip);
                state_.hasClip = true;
                state_.clip = s.clip;
            }
        }
        if (!known_[kPen] || !SamePen(s.pen, state_.pen)) {
            Replace(kPen, [&](int slot) { f_.CreatePen(slot, s.pen); });
            state_.pen = s.pen;
        }
        if (!known_[kBrush] || !SameBrush(s.brush, state_.brush)) {
            Replace(kBrush, [&](int slot) { f_.CreateBrush(slot, s.brush); });
            state_.brush = s.brush;
        }
        if (r.op == TMetaOp::Text && (!known_[kFont] || !SameFont(s.font, state_.font))) {
            Replace(kFont, [&](int slot) { f_.CreateFont(slot, s.font); });
            state_.font = s.font;
        }
        SetValue(vTextColor, s.textColor, state_.textColor);
        SetValue(vBkColor, s.bkColor, state_.bkColor);
        SetValue(vBkMode, s.bkMode, state_.bkMode);
        SetValue(vRop2, s.rop2, state_.rop2);
        SetValue(vTextAlign, s.textAlign, state_.textAlign);
        SetValue(vPolyFill, s.polyFillMode, state_.polyFillMode);
        f_.Draw(r);
    }

    int Slots() const { return static_cast<int>(used_.size()); }

private:
    template <class T>
    void SetValue(int what, T value, T& current) {
        if (valuesKnown_ & (1u << what) && value == current) return;
        f_.Value(what, static_cast<std::uint32_t>(value));
        current = value;
        valuesKnown_ |= 1u << what;
    }

    template <class Create>
    void Replace(int kind, Create create) {
        int slot = Allocate();
        create(slot);
        f_.Select(slot);
        int old = selected_[kind];
        selected_[kind] = slot;
        known_[kind] = true;
        if (old < 0) return;
        // An object the saved state holds stays until the restore.
        if (state_.hasClip && std::find(std::begin(savedSelected_.slot), std::end(savedSelected_.slot), old) !=
                                  std::end(savedSelected_.slot))
            pinned_.push_back(old);
        else
            Free(old);
    }

    void FreePinned() {
        for (int slot : pinned_)
            if (std::find(std::begin(selected_.slot), std::end(selected_.slot), slot) == std::end(selected_.slot))
                Free(slot);
        pinned_.clear();
    }

    // The lowest free index, as players of Windows metafiles expect.
    int Allocate() {
        auto free = std::find(used_.begin(), used_.end(), false);
        if (free != used_.end()) {
            *free = true;
            return static_cast<int>(free - used_.begin());
        }
        used_.push_back(true);
        return static_cast<int>(used_.size()) - 1;
    }

    void Free(int slot) {
        f_.Delete(slot);
        used_[static_cast<std::size_t>(slot)] = false;
    }

    struct TSelected {
        int slot[3] = {-1, -1, -1};
        int& operator[](int k) { return slot[k]; }
    };

    TFormat& f_;
    TMetaState state_, saved_;
    TSelected selected_, savedSelected_;
    bool known_[3] = {false, false, false};
    unsigned valuesKnown_ = 0;
    std::vector<bool> used_;
    std::vector<int> pinned_;
};
