#pragma once
// The registry of series and function types (what a gallery offers), and
// the routines that make a series or a function by type, copy a series and
// change the type of a series while keeping its points, links and place.

#include <initializer_list>
#include <memory>
#include <typeinfo>
#include <vector>

#include "platform/runtime/Components.h"

class TChartSeries;
class TTeeFunction;
class TCustomAxisPanel;

// A class as a value: which class it is and how to make one with an owner.
template <class TBase>
struct TTeeClass {
    const std::type_info* Type;
    TBase* (*Create)(TComponent* AOwner);
};
using TChartSeriesClass = const TTeeClass<TChartSeries>*;
using TTeeFunctionClass = const TTeeClass<TTeeFunction>*;

namespace TeeClassDetail {
template <class TBase, class T>
TBase* Create(TComponent* AOwner) {
    return new T(AOwner);
}
// One constant per class, so that equal classes are equal pointers in
// every translation unit, usable while static objects are made.
template <class TBase, class T>
inline constexpr TTeeClass<TBase> Class{&typeid(T), &Create<TBase, T>};
}  // namespace TeeClassDetail

template <class T>
constexpr TChartSeriesClass TeeSeriesClassOf() {
    return &TeeClassDetail::Class<TChartSeries, T>;
}
template <class T>
constexpr TTeeFunctionClass TeeFunctionClassOf() {
    return &TeeClassDetail::Class<TTeeFunction, T>;
}

// One entry of the registry: a series type, a function type, or a series
// type shown with a function.
class TTeeSeriesType : public TObject {
public:
    TChartSeriesClass SeriesClass = nullptr;
    TTeeFunctionClass FunctionClass = nullptr;
    // Both cut to 20 characters.
    AnsiString Description;
    AnsiString GalleryPage;
    // How many series the gallery shows for a sample.
    int NumGallerySeries = 0;
};

// The entries in the order they were registered; they are never reordered.
class TTeeSeriesTypes {
public:
    int Count() const { return static_cast<int>(items_.size()); }
    // EListError outside 0..Count-1.
    TTeeSeriesType* GetSeriesType(int Index) const;
    // The first plain series entry (no function) of that class, or nullptr.
    TTeeSeriesType* FindSeriesClass(TChartSeriesClass AClass) const;

private:
    // The registration routines' side of the list.
    friend class TTeeSeriesTypesEditor;
    std::vector<std::unique_ptr<TTeeSeriesType>> items_;
    // Every class ever registered, unregistered ones too: copies of a
    // series or function are made through them.
    std::vector<TChartSeriesClass> seriesClasses_;
    std::vector<TTeeFunctionClass> functionClasses_;
};

// The registry. Made on first use with the basic functions and the
// library's series types, then the registrations of the program's own units.
TTeeSeriesTypes& TeeSeriesTypes();

// A unit of the program registers its own types by a static object of this kind:
//   static const TTeeSeriesRegistration registration([] { RegisterTeeSeries(...); });
// The function runs when the registry is first used (at once when it is
// in use already), so it may read the message table.
class TTeeSeriesRegistration {
public:
    explicit TTeeSeriesRegistration(void (*Register)());

private:
    friend class TTeeSeriesTypesEditor;
    void (*register_)();
    TTeeSeriesRegistration* next_ = nullptr;
};

// Adds an entry unless one with both classes exists.
void RegisterTeeSeriesFunction(TChartSeriesClass ASeriesClass, TTeeFunctionClass AFunctionClass,
                               const AnsiString& Description, const AnsiString& GalleryPage,
                               int NumGallerySeries);
void RegisterTeeSeries(TChartSeriesClass ASeriesClass, const AnsiString& Description,
                       const AnsiString& GalleryPage, int NumGallerySeries);
void RegisterTeeFunction(TTeeFunctionClass AFunctionClass, const AnsiString& Description,
                         const AnsiString& GalleryPage, int NumGallerySeries);
// On the "Functions" page with two gallery series.
void RegisterTeeBasicFunction(TTeeFunctionClass AFunctionClass, const AnsiString& Description);
// The first entry's description, or empty when the class has none.
AnsiString GetTeeFunctionDescription(TTeeFunctionClass AFunctionClass);
// Removes every entry of each class.
void UnRegisterTeeSeries(std::initializer_list<TChartSeriesClass> SeriesList);
void UnRegisterTeeFunctions(std::initializer_list<TTeeFunctionClass> FunctionList);

// A series of AClass owned by AOwner (the chart when nullptr), on AChart,
// named "Series" and the first free number, with a function of
// AFunctionClass when one is given.
TChartSeries* CreateNewSeries(TComponent* AOwner, TCustomAxisPanel* AChart, TChartSeriesClass AClass,
                              TTeeFunctionClass AFunctionClass = nullptr);
// A function of AClass owned by ASeries' owner, named "TeeFunction" and the
// first free number, made ASeries' function.
TTeeFunction* CreateNewTeeFunction(TChartSeries* ASeries, TTeeFunctionClass AClass);
// A series of the same registered type in the same owner and chart, with
// the same settings, function settings and sources or points.
// EInvalidOperation for a type never registered.
TChartSeries* CloneChartSeries(TChartSeries* ASeries);
// Replaces ASeries by a series of AClass that takes its settings, events,
// function, points, linked series, place and name; ASeries is freed and
// then refers to the new series. Nothing when it is of that class already.
void ChangeSeriesType(TChartSeries*& ASeries, TChartSeriesClass AClass);
// ChangeSeriesType for every series of the chart, in list order.
void ChangeAllSeriesType(TCustomAxisPanel* AChart, TChartSeriesClass AClass);
