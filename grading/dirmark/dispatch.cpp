// Dispatch by DISPID and the property bag.
#include "grading/dirmark/dispatch.h"

namespace dirmark {
namespace {

base::Error ConversionFailure(vb::ErrorCode code) {
  return RunTimeFailure(code == vb::ErrorCode::Overflow ? kOverflow : kTypeMismatch);
}

// The member's conversion of a run-time value, or the error it raises.
template <class T>
base::Result<T> As(const vb::Variant& value);

template <>
base::Result<int16_t> As(const vb::Variant& value) {
  base::Result<int16_t> v = vb::CInt(value);
  if (!v) return ConversionFailure(vb::ErrorOf(v));
  return *v;
}

template <>
base::Result<int32_t> As(const vb::Variant& value) {
  base::Result<int32_t> v = vb::CLng(value);
  if (!v) return ConversionFailure(vb::ErrorOf(v));
  return *v;
}

template <>
base::Result<bool> As(const vb::Variant& value) {
  base::Result<bool> v = vb::CBool(value);
  if (!v) return ConversionFailure(vb::ErrorOf(v));
  return *v;
}

template <>
base::Result<std::string> As(const vb::Variant& value) {
  base::Result<std::string> v = vb::CStr(value);
  if (!v) return ConversionFailure(vb::ErrorOf(v));
  return std::move(*v);
}

// Converts, then hands the value to a put that only stores.
template <class T, class Store>
base::Status Stored(const vb::Variant& value, Store store) {
  base::Result<T> v = As<T>(value);
  if (!v) return std::move(v).error();
  store(std::move(*v));
  return base::Ok();
}

// Converts, then hands the value to a put that runs an operation.
template <class T, class Run>
base::Status Running(const vb::Variant& value, Run run) {
  base::Result<T> v = As<T>(value);
  if (!v) return std::move(v).error();
  return run(std::move(*v));
}

vb::Variant Bool(bool value) {
  return vb::Variant::Boolean(value);
}

}  // namespace

base::Result<vb::Variant> Get(const Dirmark& c, int32_t dispid) {
  switch (dispid) {
    case DISPID_dm_IsExistFile:
      return Bool(c.dm_IsExistFile());
    case DISPID_dm_Act:
      return vb::Variant::Long(c.dm_Act());
    case DISPID_dm_pFrom:
      return vb::Variant::String(c.dm_pFrom());
    case DISPID_dm_pTo:
      return vb::Variant::String(c.dm_pTo());
    case DISPID_dm_OP:
      return vb::Variant::Long(c.dm_OP());
    case DISPID_dm_GetAttrib:
      return vb::Variant::Integer(c.dm_GetAttrib());
    case DISPID_dm_FileAttrib:
      return vb::Variant::Integer(c.dm_FileAttrib());
    case DISPID_dm_SetAttrib:
      return vb::Variant::Integer(c.dm_SetAttrib());
    case DISPID_dm_FileName:
      return vb::Variant::String(c.dm_FileName());
    case DISPID_dm_IsGet:
      return Bool(c.dm_IsGet());
    case DISPID_dm_MkDir:
      return Bool(c.dm_MkDir());
    case DISPID_dm_ChDir:
      return Bool(c.dm_ChDir());
    case DISPID_dm_RmDir:
      return Bool(c.dm_RmDir());
    case DISPID_dm_Cond:
      return Bool(c.dm_Cond());
    default:
      return RunTimeFailure(kNoSuchMember);
  }
}

base::Status Put(Dirmark& c, int32_t dispid, const vb::Variant& value) {
  switch (dispid) {
    case DISPID_dm_IsExistFile:
      return Stored<bool>(value, [&](bool v) { c.put_dm_IsExistFile(v); });
    case DISPID_dm_Act:
      return Stored<int32_t>(value, [&](int32_t v) { c.put_dm_Act(v); });
    case DISPID_dm_pFrom:
      return Stored<std::string>(value, [&](std::string v) { c.put_dm_pFrom(std::move(v)); });
    case DISPID_dm_pTo:
      return Stored<std::string>(value, [&](std::string v) { c.put_dm_pTo(std::move(v)); });
    case DISPID_dm_OP:
      return Running<int32_t>(value, [&](int32_t v) { return c.put_dm_OP(v); });
    case DISPID_dm_GetAttrib:
      return Stored<int16_t>(value, [&](int16_t v) { c.put_dm_GetAttrib(v); });
    case DISPID_dm_FileAttrib:
      return Running<int16_t>(value, [&](int16_t v) { return c.put_dm_FileAttrib(v); });
    case DISPID_dm_SetAttrib:
      return Running<int16_t>(value, [&](int16_t v) { return c.put_dm_SetAttrib(v); });
    case DISPID_dm_FileName:
      return Stored<std::string>(value, [&](std::string v) { c.put_dm_FileName(std::move(v)); });
    case DISPID_dm_IsGet:
      return Running<bool>(value, [&](bool v) { return c.put_dm_IsGet(v); });
    case DISPID_dm_MkDir:
      return Running<bool>(value, [&](bool v) { return c.put_dm_MkDir(v); });
    case DISPID_dm_ChDir:
      return Running<bool>(value, [&](bool v) { return c.put_dm_ChDir(v); });
    case DISPID_dm_RmDir:
      return Running<bool>(value, [&](bool v) { return c.put_dm_RmDir(v); });
    case DISPID_dm_Cond:
      return Stored<bool>(value, [&](bool v) { c.put_dm_Cond(v); });
    default:
      return RunTimeFailure(kNoSuchMember);
  }
}

base::Status Call(Dirmark& c, int32_t dispid) {
  switch (dispid) {
    case DISPID_IsExistFD:
      return c.IsExistFD();
    case DISPID_Dirmarkerater:
      return c.Dirmarkerater();
    case DISPID_GetAttrib:
      return c.GetAttrib();
    case DISPID_SetAttrib:
      return c.SetAttrib();
    case DISPID_FoldOper:
      return c.FoldOper();
    default:
      return RunTimeFailure(kNoSuchMember);
  }
}

std::vector<std::pair<std::string, vb::Variant>> WriteProperties(const Dirmark& c) {
  const Dirmark::Persisted v = c.Save();
  return {
      {"dm_Act", vb::Variant::Long(v.act)},
      {"dm_pFrom", vb::Variant::String(v.pFrom)},
      {"dm_pTo", vb::Variant::String(v.pTo)},
      {"dm_OP", vb::Variant::Long(v.op)},
      {"dm_GetAttrib", vb::Variant::Integer(v.getAttrib)},
      {"dm_SetAttrib", vb::Variant::Integer(v.setAttrib)},
      {"dm_FileName", vb::Variant::String(v.fileName)},
      {"dm_FileAttrib", vb::Variant::Integer(v.fileAttrib)},
      {"dm_IsExistFile", Bool(v.isExistFile)},
      {"dm_IsGet", Bool(v.isGet)},
      {"dm_MkDir", Bool(v.mkDir)},
      {"dm_ChDir", Bool(v.chDir)},
      {"dm_RmDir", Bool(v.rmDir)},
  };
}

void ReadProperties(Dirmark& c,
                    const std::function<std::optional<vb::Variant>(std::string_view)>& read) {
  Dirmark::Persisted v;
  const auto take = [&](std::string_view key, auto& field) {
    using T = std::remove_reference_t<decltype(field)>;
    if (std::optional<vb::Variant> value = read(key)) {
      base::Result<T> converted = As<T>(*value);
      if (converted) field = std::move(*converted);
    }
  };
  take("dm_Act", v.act);
  take("dm_pFrom", v.pFrom);
  take("dm_pTo", v.pTo);
  take("dm_OP", v.op);
  take("dm_GetAttrib", v.getAttrib);
  take("dm_SetAttrib", v.setAttrib);
  take("dm_FileName", v.fileName);
  take("dm_FileAttrib", v.fileAttrib);
  take("dm_IsExistFile", v.isExistFile);
  take("dm_IsGet", v.isGet);
  take("dm_MkDir", v.mkDir);
  take("dm_ChDir", v.chDir);
  take("dm_RmDir", v.rmDir);
  c.Load(v);
}

}  // namespace dirmark
