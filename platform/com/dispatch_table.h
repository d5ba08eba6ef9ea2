// The pattern a control is written in: a class deriving from ControlBase<Self>, its fields, and
// one table from dispatch id to field or member function. The table converts arguments to the
// members' C++ types, writes by-reference arguments back, announces property changes, saves and
// loads the persistent properties, and turns every failure (returned or thrown) into a dispatch
// error. A library then names its classes once with KIRV_COM_LIBRARY (library_macros.h).
//
//   class winUC : public com::ControlBase<winUC> {
//    public:
//     static constexpr com::ClassInfo kClass{
//         com::Clsid::Of("{5C95237B-21CB-41B6-AAC6-0D27DB405911}"), "winUC"};
//     static const com::DispatchTable<winUC>& Table();
//     std::string Pathofstu, Answername;
//     int16_t wingrade = 0;
//     void DGrade();
//   };
//
//   const com::DispatchTable<winUC>& winUC::Table() {
//     using T = com::DispatchTable<winUC>;
//     static const T table{
//         T::Method(0x60030005, "DGrade", &winUC::DGrade),
//         T::Property(0x68030004, "Pathofstu", &winUC::Pathofstu).Persist("Pathofstu", ""),
//         T::Property(0x68030002, "Answername", &winUC::Answername)
//             .AfterPut(&winUC::DGrade).Persist("Answername", ""),
//         T::Property(0x68030001, "wingrade", &winUC::wingrade).Persist("Wingrade", 0),
//     };
//     return table;
//   }
//
// A member function takes its arguments as C++ values (bool, int16_t, int32_t, float, double,
// std::string, com::Variant); a non-const reference parameter is an in-out argument whose final
// value is written back when the caller passed it by reference. It returns one of those types,
// void, base::Status or base::Result<T>; an error's code follows ResultCodeOf (errors.h).
// A property put stores the converted value, announces the change under the property's bag key
// (its name when it is not persisted), then runs its AfterPut hook; a Put(setter) replaces all
// three. Properties have no arguments; a method is reached only as a method.
#pragma once

#include <algorithm>
#include <cassert>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <tuple>
#include <type_traits>
#include <utility>
#include <vector>

#include "platform/base/text.h"
#include "platform/com/change_type.h"
#include "platform/com/control.h"
#include "platform/com/errors.h"

namespace com {

template <class C>
struct DispatchEntry {
  DispId id = 0;
  std::string name;
  bool isMethod = false;
  std::function<base::Result<Variant>(C&)> get;
  std::function<base::Status(C&, const Variant&)> put;  // empty: read-only
  std::function<base::Result<Variant>(C&, std::span<const Variant>)> call;
  // What a method answers when it ends by an exception (out of memory and the like) instead of
  // an error: a grading method's "not graded".
  std::optional<Variant> answerOnFailure;
  // Persistence; `key` empty when the property is not saved.
  std::string key;
  std::function<void(C&)> reset;
  std::function<base::Status(const Variant&)> check;
  std::function<void(C&, const Variant&)> load;
  std::function<Variant(const C&)> save;

  DispatchEntry& OnFailure(Variant answer) {
    answerOnFailure = std::move(answer);
    return *this;
  }
};

namespace table_detail {

template <class T>
struct ResultValue {
  static constexpr bool kIsResult = false;
};
template <class T>
struct ResultValue<base::Result<T>> {
  static constexpr bool kIsResult = true;
  using Type = T;
};

// What a member function returned, as a call's result.
template <class F>
base::Result<Variant> Outcome(F&& f) {
  using R = std::invoke_result_t<F>;
  if constexpr (std::is_void_v<R>) {
    f();
    return Variant();
  } else if constexpr (std::is_same_v<R, base::Status>) {
    base::Status s = f();
    if (!s) return std::move(s).error();
    return Variant();
  } else if constexpr (ResultValue<R>::kIsResult) {
    R r = f();
    if (!r) return std::move(r).error();
    return VariantTraits<typename ResultValue<R>::Type>::Make(std::move(*r));
  } else {
    return VariantTraits<std::remove_cvref_t<R>>::Make(f());
  }
}

inline base::Error InContext(base::Error e, std::string_view context) {
  e.message = std::string(context) + ": " + e.message;
  return e;
}

// One argument as the member function takes it.
template <class P>
struct Bound {
  using T = std::remove_cvref_t<P>;
  static constexpr bool kInOut =
      std::is_lvalue_reference_v<P> && !std::is_const_v<std::remove_reference_t<P>>;
  T value{};

  base::Status Load(const Variant& v) {
    auto r = VariantTraits<T>::From(v);
    if (!r) return std::move(r).error();
    value = std::move(*r);
    return base::Ok();
  }
  base::Status WriteBack(const Variant& v) const {
    if constexpr (kInOut) {
      if (v.IsByRef()) return StoreThrough(v, VariantTraits<T>::Make(value));
    }
    return base::Ok();
  }
};

template <class Self, class Fn, class... P, size_t... I>
base::Result<Variant> CallWith(Self& self, Fn fn, std::span<const Variant> args,
                               std::string_view name, std::index_sequence<I...>) {
  if (args.size() != sizeof...(P))
    return DispatchError(kErrBadParamCount, std::string(name) + " takes " +
                                                std::to_string(sizeof...(P)) + " arguments, not " +
                                                std::to_string(args.size()));
  std::tuple<Bound<P>...> bound;
  base::Status loaded = base::Ok();
  auto load = [&](auto& b, size_t i) {
    if (!loaded) return;
    loaded = b.Load(args[i]);
    if (!loaded)
      loaded = InContext(std::move(loaded).error(),
                         "argument " + std::to_string(i + 1) + " of " + std::string(name));
  };
  (load(std::get<I>(bound), I), ...);
  (void)load;
  if (!loaded) return std::move(loaded).error();
  base::Result<Variant> result = Outcome([&] { return (self.*fn)(std::get<I>(bound).value...); });
  base::Status written = base::Ok();
  auto writeBack = [&](const auto& b, size_t i) {
    if (written) written = b.WriteBack(args[i]);
  };
  (writeBack(std::get<I>(bound), I), ...);
  (void)writeBack;
  if (result && !written)
    return InContext(std::move(written).error(),
                     "writing back an argument of " + std::string(name));
  return result;
}

template <class C, class R, class... P>
auto Caller(R (C::*fn)(P...), std::string name) {
  return [fn, name](C& self, std::span<const Variant> args) {
    return CallWith<C, decltype(fn), P...>(self, fn, args, name, std::index_sequence_for<P...>{});
  };
}
template <class C, class R, class... P>
auto Caller(R (C::*fn)(P...) const, std::string name) {
  return [fn, name](C& self, std::span<const Variant> args) {
    return CallWith<const C, decltype(fn), P...>(self, fn, args, name,
                                                 std::index_sequence_for<P...>{});
  };
}

}  // namespace table_detail

// Builds the entry of a property held in a field of type T.
template <class C, class T>
class PropertyBuilder {
 public:
  PropertyBuilder(DispId id, std::string_view name, T C::*field) : field_(field) {
    entry_.id = id;
    entry_.name = std::string(name);
  }

  // Runs `hook` (a member function without arguments) after every put.
  template <class F>
  PropertyBuilder& AfterPut(F hook) {
    afterPut_ = [hook](C& self) { return table_detail::Outcome([&] { return (self.*hook)(); }); };
    return *this;
  }
  // A setter of its own, given the converted value: it stores and announces itself.
  template <class F>
  PropertyBuilder& Put(F setter) {
    setter_ = [setter](C& self, T value) {
      return table_detail::Outcome([&] { return (self.*setter)(std::move(value)); });
    };
    return *this;
  }
  PropertyBuilder& ReadOnly() {
    readOnly_ = true;
    return *this;
  }
  // Saved and loaded under `key`, `fallback` being the default.
  PropertyBuilder& Persist(std::string_view key, T fallback) {
    entry_.key = std::string(key);
    fallback_ = std::move(fallback);
    return *this;
  }

  operator DispatchEntry<C>() const {
    DispatchEntry<C> e = entry_;
    const auto field = field_;
    e.get = [field](C& self) -> base::Result<Variant> {
      return VariantTraits<T>::Make(self.*field);
    };
    if (!readOnly_) {
      const std::string announced = e.key.empty() ? e.name : e.key;
      e.put = [field, announced, id = e.id, after = afterPut_, setter = setter_](
                  C& self, const Variant& v) -> base::Status {
        auto value = VariantTraits<T>::From(v);
        if (!value) return std::move(value).error();
        if (setter) {
          auto r = setter(self, std::move(*value));
          if (!r) return std::move(r).error();
          return base::Ok();
        }
        self.*field = std::move(*value);
        self.PropertyChanged(id, announced);
        if (after) {
          auto r = after(self);
          if (!r) return std::move(r).error();
        }
        return base::Ok();
      };
    }
    if (!e.key.empty()) {
      e.reset = [field, fallback = fallback_](C& self) { self.*field = fallback; };
      e.check = [](const Variant& v) -> base::Status {
        auto r = VariantTraits<T>::From(v);
        if (!r) return std::move(r).error();
        return base::Ok();
      };
      e.load = [field](C& self, const Variant& v) { self.*field = *VariantTraits<T>::From(v); };
      e.save = [field](const C& self) { return VariantTraits<T>::Make(self.*field); };
    }
    return e;
  }

 private:
  DispatchEntry<C> entry_;
  T C::*field_;
  T fallback_{};
  bool readOnly_ = false;
  std::function<base::Result<Variant>(C&)> afterPut_;
  std::function<base::Result<Variant>(C&, T)> setter_;
};

template <class C>
class DispatchTable {
 public:
  DispatchTable(std::initializer_list<DispatchEntry<C>> entries) : entries_(entries) {
    for (size_t i = 0; i < entries_.size(); ++i) byId_.push_back(i);
    std::stable_sort(byId_.begin(), byId_.end(),
                     [&](size_t a, size_t b) { return entries_[a].id < entries_[b].id; });
    for (size_t i = 1; i < byId_.size(); ++i)
      assert(entries_[byId_[i - 1]].id != entries_[byId_[i]].id && "a dispatch id appears twice");
  }

  template <class T>
  static PropertyBuilder<C, T> Property(DispId id, std::string_view name, T C::*field) {
    return PropertyBuilder<C, T>(id, name, field);
  }
  template <class Fn>
  static DispatchEntry<C> Method(DispId id, std::string_view name, Fn fn) {
    DispatchEntry<C> e;
    e.id = id;
    e.name = std::string(name);
    e.isMethod = true;
    e.call = table_detail::Caller(fn, e.name);
    return e;
  }

  const DispatchEntry<C>* Find(DispId id) const {
    auto it = std::lower_bound(byId_.begin(), byId_.end(), id,
                               [&](size_t i, DispId key) { return entries_[i].id < key; });
    return it != byId_.end() && entries_[*it].id == id ? &entries_[*it] : nullptr;
  }
  const DispatchEntry<C>* FindName(std::string_view name) const {
    for (const DispatchEntry<C>& e : entries_)
      if (base::EqualsNoCase(e.name, name)) return &e;
    return nullptr;
  }
  // In the order written, which is also the order properties are saved in.
  const std::vector<DispatchEntry<C>>& Entries() const { return entries_; }

 private:
  std::vector<DispatchEntry<C>> entries_;
  std::vector<size_t> byId_;
};

// The base of a control written in this pattern. `Self` declares
// `static const DispatchTable<Self>& Table();` and `static constexpr ClassInfo kClass`.
template <class Self>
class ControlBase : public Control {
 public:
  base::Result<DispId> GetIdOfName(std::string_view name) const noexcept override {
    if (const auto* e = Self::Table().FindName(name)) return e->id;
    return Control::GetIdOfName(name);
  }

  void InitProperties() override {
    for (const auto& e : Self::Table().Entries())
      if (e.reset) e.reset(self());
  }

  // All or nothing: every saved value is checked before any is taken.
  base::Status ReadProperties(const PropertyBag& bag) override {
    const auto& entries = Self::Table().Entries();
    for (const auto& e : entries) {
      if (!e.check || !bag.Has(e.key)) continue;
      if (base::Status s = e.check(bag.Read(e.key)); !s)
        return table_detail::InContext(std::move(s).error(), "property " + e.key);
    }
    for (const auto& e : entries) {
      if (!e.load) continue;
      if (bag.Has(e.key))
        e.load(self(), bag.Read(e.key));
      else
        e.reset(self());
    }
    return base::Ok();
  }

  base::Status WriteProperties(PropertyBag& bag) const override {
    for (const auto& e : Self::Table().Entries()) {
      if (!e.save) continue;
      if (base::Status s = bag.Write(e.key, e.save(static_cast<const Self&>(*this))); !s) return s;
    }
    return base::Ok();
  }

 protected:
  base::Result<Variant> OnInvoke(DispId id, InvokeKind kind,
                                 std::span<const Variant> args) override {
    // Caught here as well as by Invoke, so that nothing thrown leaves the library.
    try {
      return Route(id, kind, args);
    } catch (const std::exception& e) {
      return Failed(id, kind, e.what());
    } catch (...) {
      return Failed(id, kind, "a member ended with an unknown exception");
    }
  }

 private:
  Self& self() { return static_cast<Self&>(*this); }

  // A member that ended by an exception answers its table entry's OnFailure answer, or an error.
  base::Result<Variant> Failed(DispId id, InvokeKind kind, const char* what) noexcept {
    const DispatchEntry<Self>* e = Self::Table().Find(id);
    if (e && e->isMethod && kind == InvokeKind::Method && e->answerOnFailure)
      return *e->answerOnFailure;
    try {
      return DispatchError(kErrException, what);
    } catch (...) {
      return base::Error{std::string(), kErrException};
    }
  }

  base::Result<Variant> Route(DispId id, InvokeKind kind, std::span<const Variant> args) {
    const DispatchEntry<Self>* e = Self::Table().Find(id);
    const bool fits = e && (kind == InvokeKind::Method) == e->isMethod &&
                      (kind != InvokeKind::PropertyPut || e->put);
    if (!fits)
      return DispatchError(kErrMemberNotFound, std::string(Self::kClass.name) + " has no " +
                                                   std::string(InvokeKindName(kind)) + " " +
                                                   std::to_string(id));
    if (kind == InvokeKind::Method) return e->call(self(), args);
    const size_t wanted = kind == InvokeKind::PropertyPut ? 1 : 0;
    if (args.size() != wanted)
      return DispatchError(kErrBadParamCount, e->name + " takes " + std::to_string(wanted) +
                                                  " arguments as a " +
                                                  std::string(InvokeKindName(kind)));
    if (kind == InvokeKind::PropertyGet) return e->get(self());
    if (base::Status s = e->put(self(), args[0]); !s)
      return table_detail::InContext(std::move(s).error(), "putting " + e->name);
    return Variant();
  }
};

}  // namespace com
