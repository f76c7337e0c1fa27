// The user manual: what KV40 does, a section per menu and dialog, the command line, the files.
#include "help_manual.h"

#include <map>
#include <set>
#include <vector>

#include "base/text.h"
#include "base/text_file.h"
#include "help/hpgl.h"
#include "help/show_help.h"
#include "help_images.h"
#include "svg_canvas.h"

namespace kv40::tools {
namespace fs = std::filesystem;
namespace {

struct Section {
  const char* id;
  const char* title;
  std::vector<int> numbers;
  std::vector<const char*> images;
};

const std::vector<Section>& Outline() {
  static const std::vector<Section> outline = {
      {"ueberblick", "Was KV40 macht", {3920, 0}, {}},
      {"menue-datei",
       "Menü Datei",
       {4000, 4005, 4010, 4015, 4020, 4025, 4030, 4035, 4040, 4045, 4050},
       {}},
      {"menue-bearbeiten", "Menü Bearbeiten", {4100, 4105, 4110, 4115, 4120, 4125, 4130, 4135}, {}},
      {"menue-ansicht",
       "Menü Ansicht",
       {4200, 4205, 4210, 4215, 4220, 4225, 4230, 4235, 4240, 4245, 4250, 4255, 4260, 4265, 4270},
       {}},
      {"menue-cad", "Menü CAD", {4300, 4305, 4310, 4315, 4320}, {}},
      {"menue-datenbank", "Menü Datenbank", {4350, 4355, 4360, 4365}, {}},
      {"menue-dokumentation", "Menü Dokumentation", {4400, 4405, 4410, 4415, 4420}, {}},
      {"menue-ole", "Menü OLE", {4450, 4455, 4460, 4465, 4470}, {}},
      {"menue-hilfe", "Menü Hilfe", {4500, 4505, 4510, 4515, 4520, 4525, 4530, 4535, 4540}, {}},
      {"dialog-eingabe", "Eingabedialoge", {1000}, {}},
      {"dialog-abmessungen",
       "Dialog Abmessungen",
       {5030, 5150, 5155, 5160, 5165, 5110, 5090, 5170, 5175, 5180, 5185, 5080, 5120},
       {"abmess"}},
      {"dialog-qualitaet", "Dialog Verzahnungsqualität", {5200, 5210}, {"toleranz"}},
      {"dialog-messen", "Dialog Messen", {9020}, {"messen"}},
      {"dialog-werkstoff", "Dialog Werkstoff", {5040, 5340, 5300, 5310, 5400, 5410}, {}},
      {"dialog-last",
       "Dialog Last",
       {6105, 6115, 6100, 6110, 6120, 6130, 6160, 6170, 6180},
       {"last", "lastka", "lastfw"}},
      {"dialog-zahnprofil", "Dialog Zahnprofil (CAD)", {8300, 8310, 8330}, {}},
      {"dialog-meldungen", "Meldungen der Berechnung", {1210, 1970}, {}},
      {"dialog-einstellungen", "Dialog Einstellungen", {1600, 1605}, {}},
      {"dialog-plot",
       "Dialog Plotprogramm",
       {2055, 2080, 2090, 2120, 2130, 2140, 2145, 2150, 2160, 2280},
       {}},
      {"dialog-druck", "Drucken der Grafik", {1030, 1040}, {}},
      {"dialog-tabellen", "Tabellen und Ergebnistabelle", {3210, 3400}, {}},
      {"dialog-hilfebilder", "Hilfebilder", {2300, 2310, 2320, 2330, 2340, 2350}, {"null"}},
      {"dialog-dokumentation",
       "Zeichnungsinformation und Dokumente",
       {3000, 3010, 2600, 2710, 2720, 2730},
       {}},
      {"befehlszeile", "Befehlszeile", {3900}, {}},
      {"dateien", "Dateien", {3905, 3910}, {}},
  };
  return outline;
}

std::string H(const std::string& s) {
  return base::HtmlEscaped(s);
}

std::string EntryHtml(int n, const help::HelpEntry& e) {
  std::string text;
  for (const std::string& line : e.lines) {
    if (line.empty()) continue;
    if (!text.empty()) text += " ";
    text += base::Trim(line);
  }
  std::string html = "<div class=\"entry\" id=\"h" + std::to_string(n) + "\">\n";
  html += "<p class=\"nr\">Hilfetext " + std::to_string(n) + "</p>\n<p>" + H(text) + "</p>\n";
  return html + "</div>\n";
}

struct HelpFiles {
  base::TextLines general;
  base::TextLines program;
  const base::TextLines& For(int n) const { return n < help::kHelpSplit ? general : program; }
};

const char* kStyle =
    "body{font-family:sans-serif;max-width:60em;margin:2em auto;line-height:1.4;color:#222}"
    "h1{border-bottom:2px solid #369}h2{color:#369;margin-top:2em}"
    ".entry{margin:.4em 0 .8em 0}.nr{font-size:.8em;color:#777;margin:0}"
    "figure{margin:1em 0}figcaption{font-size:.9em;color:#555}"
    "nav li{margin:.1em 0}.index a{display:inline-block;min-width:3.5em}";

}  // namespace

std::string WriteManual(const fs::path& helpDir, const fs::path& outDir) {
  HelpFiles files;
  for (const auto& [name, target] :
       {std::pair{"quentar.hlp", &files.general}, std::pair{"kv40.hlp", &files.program}}) {
    auto read = base::ReadTextFile(helpDir / name);
    if (!read.text) return std::string("cannot read ") + (helpDir / name).string();
    *target = std::move(*read.text);
  }
  std::set<int> inOutline;
  std::string body;
  std::string toc = "<nav>\n<h2>Inhalt</h2>\n<ul>\n";
  for (const Section& s : Outline()) {
    toc += "<li><a href=\"#" + std::string(s.id) + "\">" + H(s.title) + "</a></li>\n";
    body += "<section id=\"" + std::string(s.id) + "\">\n<h2>" + H(s.title) + "</h2>\n";
    for (int n : s.numbers) {
      const help::HelpEntry e = help::FindHelpEntryIn(files.For(n), n);
      if (!e.found) return "no help entry " + std::to_string(n);
      inOutline.insert(n);
      body += EntryHtml(n, e);
    }
    for (const char* image : s.images) {
      for (const HelpImage& img : HelpImages()) {
        if (img.name != image) continue;
        body += "<figure>\n<img src=\"" + img.name + ".svg\" alt=\"" + H(img.info) +
                "\" width=\"640\" height=\"480\">\n<figcaption>" + H(img.info) + " (Hilfebild " +
                img.name + ")</figcaption>\n</figure>\n";
      }
    }
    body += "</section>\n";
  }
  toc += "<li><a href=\"#hilfenummern\">Hilfenummern</a></li>\n</ul>\n</nav>\n";
  std::string index = "<section id=\"hilfenummern\">\n<h2>Hilfenummern</h2>\n<p class=\"index\">\n";
  for (const base::TextLines* file : {&files.general, &files.program}) {
    for (int n : help::HelpNumbers(*file)) {
      if (inOutline.count(n) == 0) return "help entry " + std::to_string(n) + " is in no section";
      index += "<a href=\"#h" + std::to_string(n) + "\">" + std::to_string(n) + "</a>\n";
    }
  }
  index += "</p>\n</section>\n";
  std::error_code ec;
  fs::create_directories(outDir, ec);
  for (const HelpImage& img : HelpImages()) {
    SvgCanvas svg(160, 120);
    help::HpglState state;
    help::InterpretHpgl(img.plot, state, svg);
    if (base::WriteFileAtomically(outDir / (img.name + ".svg"), svg.Document(), false) != 0) {
      return "cannot write " + img.name + ".svg";
    }
  }
  const std::string html =
      "<!DOCTYPE html>\n<html lang=\"de\">\n<head>\n<meta charset=\"utf-8\">\n"
      "<title>KV40 Handbuch</title>\n<style>" +
      std::string(kStyle) +
      "</style>\n</head>\n<body>\n<h1>KV40 &ndash; Passverzahnung DIN 5482, Handbuch</h1>\n" + toc +
      body + index + "</body>\n</html>\n";
  if (base::WriteFileAtomically(outDir / "index.html", html, false) != 0) {
    return "cannot write index.html";
  }
  return {};
}

}  // namespace kv40::tools
