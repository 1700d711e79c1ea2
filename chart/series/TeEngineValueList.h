#pragma once
// A series' coordinates: TChartValueList keeps one coordinate (X, Y, Open...)
// of every point in order, with an optional sort order, a scale factor and
// statistics computed only when asked; TChartValueLists holds a series'
// lists, which move in step so that a point is one index across them all.

#include <vector>

#include "platform/runtime/Components.h"

class TChartSeries;

enum TChartListOrder { loNone, loAscending, loDescending };
// The kind of change a series passes on to the series linked to it.
enum TValueEvent { veClear, veAdd, veDelete, veRefresh, veModify };

// Capacity a cleared list starts again with.
extern int TeeDefaultCapacity;

class TChartValueList : public TPersistent {
public:
    // Joins AOwner's value lists under AName.
    TChartValueList(TChartSeries* AOwner, const AnsiString& AName);
    // Leaves the owner's value lists.
    ~TChartValueList() override;
    // Copies the order, date-time flag, multiplier and value source; the
    // values and the name stay.
    void Assign(TPersistent* Source) override;

    int Count() const { return runCount_ ? runCount_ : static_cast<int>(values_.size()); }
    // The stored value times Multiplier; EListError outside 0..Count-1.
    double GetValue(int Index) const {
        CheckIndex(Index);
        return Raw(Index) * multiplier_;
    }
    // Stores Value as it is (not divided by Multiplier) and tells the owner.
    void SetValue(int Index, double Value);
    // The values as one array, when they are stored one by one with
    // Multiplier 1 (what GetValue gives); nullptr otherwise.
    const double* PlainValues() const { return runCount_ || multiplier_ != 1.0 ? nullptr : values_.data(); }
    double First() const { return GetValue(0); }
    double Last() const { return GetValue(Count() - 1); }

    // Inserts Value at its place in Order, after values equal to it, and
    // returns that index. Values arriving in order are appended unsearched.
    int AddChartValue(double Value);
    // Inserts at Index (0..Count) regardless of Order; nobody is told.
    void InsertChartValue(int Index, double Value);
    void Delete(int Index);
    void ClearValues();
    // The first index whose value equals Value exactly, or -1.
    int Locate(double Value) const;
    // Exchanges two raw values; the statistics stay as they are.
    void Exchange(int Index1, int Index2);
    // The first value moves to the end, the others down by one.
    void Scroll();
    // Every value becomes its own index.
    void FillSequence();
    // Sorts the owner's points by this list; does nothing for loNone.
    void Sort();
    // Gives back the room grown for values that never came, once a call
    // finds the count as the call before left it: a list still growing
    // keeps its room.
    void ReleaseSlack();

    double GetMaxValue() const;
    double GetMinValue() const;
    double GetTotal() const;
    double GetTotalABS() const;
    void RecalcStats() const;

    bool GetDateTime() const { return dateTime_; }
    void SetDateTime(bool Value);
    double GetMultiplier() const { return multiplier_; }
    void SetMultiplier(double Value);
    const AnsiString& GetName() const { return name_; }
    void SetName(const AnsiString& Value) { name_ = Value; }
    TChartListOrder GetOrder() const { return order_; }
    void SetOrder(TChartListOrder Value) { order_ = Value; }
    TChartSeries* GetOwner() const { return owner_; }
    const AnsiString& GetValueSource() const { return valueSource_; }
    void SetValueSource(const AnsiString& Value);

    // The value of the point being added, readable and changeable by the
    // series' OnBeforeAdd handler before it is inserted.
    double TempValue = 0;

private:
    void CheckIndex(int Index) const;
    // Value Index as stored, from the run or the list of values.
    double Raw(int Index) const {
        return runCount_ ? RunValue(Index) : values_[static_cast<std::size_t>(Index)];
    }
    double RunValue(int Index) const { return Index == 0 ? runFirst_ : runFirst_ + Index * runStep_; }
    // Value goes after the last one; false when it would break the run.
    bool ExtendRun(double Value);
    void Append(double Value);
    // The run becomes stored values, before a change it cannot hold.
    void StoreRun();
    void SortRange(int l, int r);
    int CompareValues(int a, int b) const;

    TChartSeries* owner_;
    AnsiString name_;
    // Raw values, before Multiplier, one per point, side by side.
    std::vector<double> values_;
    // Values evenly spaced from the first, as dates a day apart and indexes
    // are, are held as that run alone (runCount_ of them), not stored one
    // by one, as long as every value is exactly the run's.
    int runCount_ = 0;
    double runFirst_ = 0, runStep_ = 0;
    int countAtLastRelease_ = -1;
    double multiplier_ = 1.0;
    TChartListOrder order_ = loNone;
    bool dateTime_ = false;
    AnsiString valueSource_;
    mutable bool statsDirty_ = true;
    mutable double maxValue_ = 0, minValue_ = 0, total_ = 0, totalAbs_ = 0;
};

// A series' value lists in creation order: X, Y, then those of the series
// type. The lists belong to the series, not to this collection.
class TChartValueLists {
public:
    int GetCount() const { return static_cast<int>(lists_.size()); }
    // EListError outside 0..Count-1.
    TChartValueList* GetValueList(int Index) const;
    void Add(TChartValueList* List) { lists_.push_back(List); }
    void Insert(int Index, TChartValueList* List);
    // Its former index, or -1 when it was not there.
    int Remove(TChartValueList* List);
    int IndexOf(const TChartValueList* List) const;
    void Put(int Index, TChartValueList* List);
    void Clear() { lists_.clear(); }

private:
    std::vector<TChartValueList*> lists_;
};
