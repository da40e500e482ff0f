#pragma once

#include <string_view>

namespace vesmar {

// The style sheet of the suite's pages (the genome overview, the candidate
// list), so that they look alike: type, tracks, the colour-blind-safe
// palette of the mark classes, tables, and A4 printing.
inline constexpr std::string_view kPageStyle = R"(
body{font-family:"DejaVu Sans",Arial,sans-serif;font-size:11pt;line-height:1.35;color:#111;background:#fff}
body{max-width:1150px;margin:1em auto;padding:0 1em}
h1{font-size:18pt;margin:0.2em 0}
h2{font-size:14pt;margin:1.2em 0 0.4em}
figure{margin:0.5em 0 0.9em;break-inside:avoid;page-break-inside:avoid}
svg.track{display:block;width:100%;height:auto}
svg text{font-family:"DejaVu Sans",Arial,sans-serif;fill:#111}
.lab{font-size:12px;text-anchor:end}
.num{font-size:10px;text-anchor:end}
.tick{font-size:12px;text-anchor:middle}
.lane{fill:#ececec}
.grid{stroke:#b0b0b0;stroke-width:0.6}
.axis{stroke:#333;stroke-width:1}
.cut{stroke:#111;stroke-width:1.6;fill:none}
.p{fill:#D55E00}.e{fill:#E69F00}.s{fill:#0072B2}.i{fill:#56B4E9}.n{fill:#009E73}.g{fill:#CC79A7}
.range{fill:#9a9a9a}.mean{fill:#000}
table{border-collapse:collapse;margin:0.4em 0;font-size:10.5pt}
th,td{border:1px solid #999;padding:2px 7px;text-align:right;vertical-align:top}
th{background:#eee}
table.files{table-layout:fixed;width:100%}
.low{color:#a00}
table.files td,table.files th{overflow-wrap:anywhere}
.t{text-align:left}
ul.legend{list-style:none;padding:0;margin:0.4em 0}
ul.legend li{display:inline-block;margin:0.15em 1.4em 0.15em 0}
ul.legend svg{vertical-align:middle;margin-right:0.35em}
p.note{font-size:10pt;color:#333;margin:0.2em 0}
@page{size:A4;margin:12mm}
@media print{
body{max-width:none;margin:0;padding:0;font-size:10pt}
h2{break-after:avoid;page-break-after:avoid}
tr{break-inside:avoid}
*{-webkit-print-color-adjust:exact;print-color-adjust:exact}
}
)";

}  // namespace vesmar
