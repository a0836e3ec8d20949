// SPDX-License-Identifier: MIT
#include "program/images.h"

// An aperture: six blades around a hexagonal opening.
const char kLensImage[] =
    R"svg(<svg xmlns="http://www.w3.org/2000/svg" width="30" height="30" viewBox="0 0 30 30">
  <circle cx="15" cy="15" r="13.5" fill="#2b2b2b" stroke="#555" stroke-width="1"/>
  <g stroke="#8a8a8a" stroke-width="0.8">
    <line x1="15" y1="1.5" x2="19" y2="8"/>
    <line x1="26.7" y1="8.2" x2="22.5" y2="15"/>
    <line x1="26.7" y1="21.8" x2="19" y2="22"/>
    <line x1="15" y1="28.5" x2="11" y2="22"/>
    <line x1="3.3" y1="21.8" x2="7.5" y2="15"/>
    <line x1="3.3" y1="8.2" x2="11" y2="8"/>
  </g>
  <polygon points="11,8 19,8 22.5,15 19,22 11,22 7.5,15" fill="#cfe3f5" stroke="#8a8a8a" stroke-width="0.6"/>
  <circle cx="13" cy="12" r="1.6" fill="#ffffff" opacity="0.8"/>
</svg>
)svg";

// Plain SVG Tiny, which QtSvg draws: no markers, so dimension lines end in ticks.
// A lens focused on a subject: the sensor, the cone of light that meets at
// the sensor for the subject, and the near and far limits where the blur is
// one pixel; the depths in front of and behind the subject, and the
// hyperfocal distance from which the far limit reaches infinity.
const char kDepthOfFieldImage[] =
    R"svg(<svg xmlns="http://www.w3.org/2000/svg" width="501" height="345" viewBox="0 0 501 345" font-family="DejaVu Sans, sans-serif" font-size="11">
  <rect x="0.5" y="0.5" width="500" height="344" rx="6" fill="#fbfbf4" stroke="#8c8c8c"/>
  <text x="250" y="22" text-anchor="middle" font-size="13" font-weight="bold" fill="#333">Depth of field at the subject distance d</text>

  <!-- optical axis -->
  <line x1="20" y1="160" x2="488" y2="160" stroke="#999" stroke-dasharray="6 4"/>

  <!-- sensor and the circle of confusion -->
  <rect x="32" y="115" width="7" height="90" fill="#4a6b8a"/>
  <text x="35" y="108" text-anchor="middle" fill="#4a6b8a">sensor</text>
  <line x1="44" y1="156" x2="44" y2="164" stroke="#c00" stroke-width="2"/>
  <text x="20" y="230" fill="#c00">c = 1 pixel</text>
  <text x="20" y="244" fill="#c00">(circle of confusion)</text>

  <!-- lens -->
  <ellipse cx="100" cy="160" rx="9" ry="62" fill="#cfe3f5" stroke="#4a6b8a" stroke-width="1.5"/>
  <text x="100" y="90" text-anchor="middle" fill="#4a6b8a">lens, aperture N</text>
  <line x1="39" y1="268" x2="100" y2="268" stroke="#333"/>
  <path d="M39,264 v8 M100,264 v8" stroke="#333"/>
  <text x="70" y="283" text-anchor="middle" fill="#333">focal f</text>

  <!-- light from the subject meeting on the sensor -->
  <polygon points="100,100 300,160 100,220" fill="#f3d98b" opacity="0.55"/>
  <polygon points="100,100 39,160 100,220" fill="#f3d98b" opacity="0.55"/>
  <line x1="100" y1="100" x2="300" y2="160" stroke="#b8860b"/>
  <line x1="100" y1="220" x2="300" y2="160" stroke="#b8860b"/>

  <!-- subject -->
  <line x1="300" y1="118" x2="300" y2="160" stroke="#0a5" stroke-width="3"/>
  <text x="300" y="110" text-anchor="middle" fill="#0a5" font-weight="bold">subject</text>

  <!-- near and far limits -->
  <line x1="252" y1="130" x2="252" y2="200" stroke="#069" stroke-width="1.5"/>
  <text x="252" y="214" text-anchor="middle" fill="#069">near limit</text>
  <line x1="362" y1="130" x2="362" y2="200" stroke="#069" stroke-width="1.5"/>
  <text x="362" y="214" text-anchor="middle" fill="#069">far limit</text>

  <line x1="252" y1="232" x2="300" y2="232" stroke="#069"/>
  <path d="M252,228 v8 M300,228 v8" stroke="#069"/>
  <text x="276" y="248" text-anchor="middle" fill="#069">front dof</text>
  <line x1="300" y1="232" x2="362" y2="232" stroke="#069"/>
  <path d="M300,228 v8 M362,228 v8" stroke="#069"/>
  <text x="331" y="262" text-anchor="middle" fill="#069">rear dof</text>
  <line x1="300" y1="226" x2="300" y2="238" stroke="#069"/>

  <!-- subject distance -->
  <line x1="100" y1="295" x2="300" y2="295" stroke="#333"/>
  <path d="M100,291 v8 M300,291 v8" stroke="#333"/>
  <text x="200" y="310" text-anchor="middle" fill="#333">subject distance d</text>

  <!-- hyperfocal distance -->
  <line x1="440" y1="60" x2="440" y2="200" stroke="#a0522d" stroke-dasharray="4 3"/>
  <text x="440" y="52" text-anchor="middle" fill="#a0522d">dh</text>
  <line x1="100" y1="325" x2="440" y2="325" stroke="#a0522d"/>
  <path d="M100,321 v8 M440,321 v8" stroke="#a0522d"/>
  <text x="270" y="340" text-anchor="middle" fill="#a0522d">hyperfocal distance dh = f&#178; / (N c)</text>
</svg>
)svg";
