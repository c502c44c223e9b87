#include "platform/script/VbFunctions.h"

#include <QHash>
#include <utility>
#include <vector>

#include "platform/script/VbBuiltins.h"

namespace rd {

namespace {

// All built-in functions; a function's id is its index.
const std::vector<builtins::Entry>& entries() {
  static const std::vector<builtins::Entry> all = [] {
    std::vector<builtins::Entry> v;
    for (auto kind : {builtins::ConversionFunctions, builtins::TextFunctions, builtins::MathFunctions,
                      builtins::DateFunctions, builtins::FormatFunctions}) {
      for (const builtins::Entry& e : kind()) v.push_back(e);
    }
    return v;
  }();
  return all;
}

const QHash<QString, VbFunctions::Signature>& table() {
  static const QHash<QString, VbFunctions::Signature> t = [] {
    QHash<QString, VbFunctions::Signature> h;
    for (int id = 0; id < int(entries().size()); ++id) {
      const builtins::Entry& e = entries()[id];
      QString name = QString::fromLatin1(e.name);
      h.insert(name.toLower(), VbFunctions::Signature{id, e.minArgs, e.maxArgs, name});
    }
    return h;
  }();
  return t;
}

const QHash<QString, VbValue>& constants() {
  static const QHash<QString, VbValue> t = [] {
    QHash<QString, VbValue> h;
    h.insert("vbcrlf", VbValue("\r\n"));
    h.insert("vbnewline", VbValue("\r\n"));
    h.insert("vbcr", VbValue("\r"));
    h.insert("vblf", VbValue("\n"));
    h.insert("vbtab", VbValue("\t"));
    h.insert("vbnullstring", VbValue(""));
    h.insert("vbbinarycompare", VbValue::Integer(0));
    h.insert("vbtextcompare", VbValue::Integer(1));
    const char* days[] = {"vbsunday", "vbmonday", "vbtuesday", "vbwednesday", "vbthursday", "vbfriday", "vbsaturday"};
    for (int i = 0; i < 7; ++i) h.insert(QString::fromLatin1(days[i]), VbValue::Integer(i + 1));
    h.insert("vbusesystemdayofweek", VbValue::Integer(0));
    h.insert("vbusesystem", VbValue::Integer(0));
    h.insert("vbfirstjan1", VbValue::Integer(1));
    h.insert("vbfirstfourdays", VbValue::Integer(2));
    h.insert("vbfirstfullweek", VbValue::Integer(3));
    h.insert("vbgeneraldate", VbValue::Integer(0));
    h.insert("vblongdate", VbValue::Integer(1));
    h.insert("vbshortdate", VbValue::Integer(2));
    h.insert("vblongtime", VbValue::Integer(3));
    h.insert("vbshorttime", VbValue::Integer(4));
    h.insert("vbtrue", VbValue::Integer(-1));
    h.insert("vbfalse", VbValue::Integer(0));
    h.insert("vbusedefault", VbValue::Integer(-2));
    const std::pair<const char*, int> varTypes[] = {{"vbempty", 0}, {"vbnull", 1},     {"vbinteger", 2},
                                                    {"vblong", 3},  {"vbsingle", 4},   {"vbdouble", 5},
                                                    {"vbcurrency", 6}, {"vbdate", 7},  {"vbstring", 8},
                                                    {"vbboolean", 11}, {"vbbyte", 17}};
    for (const auto& [name, number] : varTypes) h.insert(QString::fromLatin1(name), VbValue::Integer(number));
    return h;
  }();
  return t;
}

}  // namespace

bool VbFunctions::Find(const QString& name, Signature* signature) {
  auto it = table().constFind(name.toLower());
  if (it == table().constEnd()) return false;
  *signature = it.value();
  return true;
}

bool VbFunctions::FindConstant(const QString& name, VbValue* value) {
  auto it = constants().constFind(name.toLower());
  if (it == constants().constEnd()) return false;
  *value = it.value();
  return true;
}

VbValue VbFunctions::Call(int id, const VbValue* args, int count) { return entries()[id].run(args, count); }

}  // namespace rd
