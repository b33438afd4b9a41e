// The Script Control over COM, late-bound through IDispatch as a scripting client would drive it.
#include "engine/scriptcontrol/ScriptControlHost.h"

#include <windows.h>
#include <oleauto.h>

#include <string>
#include <vector>

#include "engine/VariantText.h"
#include "text/Codec.h"

namespace jsdebug::engine::scriptcontrol {
namespace {

// Owns one BSTR.
class Bstr {
 public:
  explicit Bstr(const std::string& gbkText) {
    const std::u16string wide = gbk::toUtf16(gbkText);
    value_ = SysAllocStringLen(reinterpret_cast<const OLECHAR*>(wide.data()), static_cast<UINT>(wide.size()));
  }
  ~Bstr() { SysFreeString(value_); }
  Bstr(const Bstr&) = delete;
  Bstr& operator=(const Bstr&) = delete;
  BSTR get() const { return value_; }

 private:
  BSTR value_;
};

// Owns one VARIANT.
struct Variant {
  VARIANT v;
  Variant() { VariantInit(&v); }
  ~Variant() { VariantClear(&v); }
  Variant(const Variant&) = delete;
  Variant& operator=(const Variant&) = delete;
};

std::string fromBstr(BSTR text) {
  if (text == nullptr) return {};
  return gbk::fromUtf16(std::u16string_view(reinterpret_cast<const char16_t*>(text), SysStringLen(text)));
}

// A value as the program's Windows version read it: text as it is, true "-1", false "0",
// nothing "", numbers as the variant conversion writes them, objects by their default value.
std::string variantText(VARIANT& value) {
  switch (value.vt) {
    case VT_EMPTY:
    case VT_NULL:
      return {};
    case VT_BSTR:
      return fromBstr(value.bstrVal);
    case VT_BOOL:
      return value.boolVal != VARIANT_FALSE ? "-1" : "0";
    case VT_I4:
      return std::to_string(value.lVal);
    case VT_R8:
      return numberToVariantText(value.dblVal);
    default: {
      Variant converted;
      if (SUCCEEDED(VariantChangeType(&converted.v, &value, 0, VT_BSTR))) return fromBstr(converted.v.bstrVal);
      return {};
    }
  }
}

class Dispatch {
 public:
  explicit Dispatch(IDispatch* object = nullptr) : object_(object) {}
  ~Dispatch() {
    if (object_ != nullptr) object_->Release();
  }
  Dispatch(const Dispatch&) = delete;
  Dispatch& operator=(const Dispatch&) = delete;
  IDispatch* get() const { return object_; }
  void release() {
    if (object_ != nullptr) object_->Release();
    object_ = nullptr;
  }

  // Calls a member by name; arguments in their natural order.
  HRESULT invoke(const wchar_t* name, WORD kind, std::vector<VARIANT> args, VARIANT* result) {
    if (object_ == nullptr) return E_POINTER;
    DISPID id = 0;
    LPOLESTR names[] = {const_cast<LPOLESTR>(name)};
    HRESULT hr = object_->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id);
    if (FAILED(hr)) return hr;
    std::vector<VARIANT> reversed(args.rbegin(), args.rend());  // IDispatch takes them last first
    DISPID named = DISPID_PROPERTYPUT;
    DISPPARAMS params{reversed.data(), nullptr, static_cast<UINT>(reversed.size()), 0};
    if (kind == DISPATCH_PROPERTYPUT) {
      params.rgdispidNamedArgs = &named;
      params.cNamedArgs = 1;
    }
    EXCEPINFO exception{};
    UINT argumentError = 0;
    hr = object_->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, kind, &params, result, &exception, &argumentError);
    SysFreeString(exception.bstrSource);
    SysFreeString(exception.bstrDescription);
    SysFreeString(exception.bstrHelpFile);
    return hr;
  }

  HRESULT put(const wchar_t* name, VARIANT value) { return invoke(name, DISPATCH_PROPERTYPUT, {value}, nullptr); }
  std::string getText(const wchar_t* name) {
    Variant value;
    if (FAILED(invoke(name, DISPATCH_PROPERTYGET, {}, &value.v))) return {};
    return variantText(value.v);
  }

 private:
  IDispatch* object_;
};

VARIANT textArgument(BSTR text) {
  VARIANT v;
  VariantInit(&v);
  v.vt = VT_BSTR;
  v.bstrVal = text;  // borrowed: the caller's Bstr outlives the call
  return v;
}

VARIANT numberArgument(long value) {
  VARIANT v;
  VariantInit(&v);
  v.vt = VT_I4;
  v.lVal = value;
  return v;
}

VARIANT boolArgument(bool value) {
  VARIANT v;
  VariantInit(&v);
  v.vt = VT_BOOL;
  v.boolVal = value ? VARIANT_TRUE : VARIANT_FALSE;
  return v;
}

class ScriptControlHost final : public ScriptHost {
 public:
  ScriptControlHost(IDispatch* control, bool enteredApartment, const ScriptControlOptions& options)
      : control_(control), enteredApartment_(enteredApartment), options_(options) {
    // No dialog may come from a script (alert, a security prompt): the workbench has no one to
    // answer it.
    control_.put(L"AllowUI", boolArgument(false));
    setLanguage("JScript");
  }
  ~ScriptControlHost() override {
    // The control goes before the apartment it lives in.
    control_.release();
    if (enteredApartment_) CoUninitialize();
  }

  void setLanguage(const std::string& language) override {
    Bstr name(language);
    control_.put(L"Language", textArgument(name.get()));
    // The safe subset is read when the engine starts, so it follows every change of language.
    control_.put(L"UseSafeSubset", boolArgument(!options_.allowUnsafeObjects));
  }
  void setTimeout(int milliseconds) override { control_.put(L"Timeout", numberArgument(milliseconds)); }
  void addCode(const std::string& code) override {
    Bstr text(code);
    control_.invoke(L"AddCode", DISPATCH_METHOD, {textArgument(text.get())}, nullptr);
  }
  std::string eval(const std::string& expression) override {
    Bstr text(expression);
    Variant result;
    if (FAILED(control_.invoke(L"Eval", DISPATCH_METHOD, {textArgument(text.get())}, &result.v))) return {};
    return variantText(result.v);
  }
  std::string run(const std::string& procedure, const std::vector<ScriptValue>& args) override {
    Bstr name(procedure);
    std::vector<std::unique_ptr<Bstr>> texts;
    std::vector<VARIANT> values{textArgument(name.get())};
    for (const ScriptValue& arg : args) {
      VARIANT v;
      VariantInit(&v);
      if (const auto* text = std::get_if<std::string>(&arg)) {
        texts.push_back(std::make_unique<Bstr>(*text));
        v = textArgument(texts.back()->get());
      } else if (const auto* number = std::get_if<double>(&arg)) {
        v.vt = VT_R8;
        v.dblVal = *number;
      } else if (const auto* truth = std::get_if<bool>(&arg)) {
        v = boolArgument(*truth);
      }
      values.push_back(v);
    }
    Variant result;
    if (FAILED(control_.invoke(L"Run", DISPATCH_METHOD, values, &result.v))) return {};
    return variantText(result.v);
  }
  void reset() override {
    control_.invoke(L"Reset", DISPATCH_METHOD, {}, nullptr);
    control_.put(L"UseSafeSubset", boolArgument(!options_.allowUnsafeObjects));
  }
  bool allowsUnsafeObjects() const override { return options_.allowUnsafeObjects; }

  ScriptError error() override {
    Variant object;
    if (FAILED(control_.invoke(L"Error", DISPATCH_PROPERTYGET, {}, &object.v)) || object.v.vt != VT_DISPATCH ||
        object.v.pdispVal == nullptr)
      return {"0", "", "", "", "0", "0"};
    object.v.pdispVal->AddRef();
    Dispatch error(object.v.pdispVal);
    ScriptError e{error.getText(L"Number"), error.getText(L"Source"), error.getText(L"Description"),
                  error.getText(L"Text"),   error.getText(L"Line"),   error.getText(L"Column")};
    if (e.Number.empty()) e.Number = "0";
    return e;
  }

 private:
  Dispatch control_;
  bool enteredApartment_;
  ScriptControlOptions options_;
};

}  // namespace

bool systemOffersScriptControl() { return true; }

std::unique_ptr<ScriptHost> createScriptControlHost(const ScriptControlOptions& options) {
  // The control lives in a single-threaded apartment; a thread already in one (the window's)
  // simply enters it once more.
  const HRESULT entered = CoInitialize(nullptr);
  const bool enteredApartment = SUCCEEDED(entered);
  CLSID clsid{};
  IDispatch* control = nullptr;
  if (SUCCEEDED(CLSIDFromProgID(L"MSScriptControl.ScriptControl", &clsid)) &&
      SUCCEEDED(CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, IID_IDispatch,
                                 reinterpret_cast<void**>(&control))) &&
      control != nullptr)
    return std::make_unique<ScriptControlHost>(control, enteredApartment, options);
  if (enteredApartment) CoUninitialize();
  return nullptr;
}

}  // namespace jsdebug::engine::scriptcontrol
