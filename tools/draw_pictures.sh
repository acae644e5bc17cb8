#!/usr/bin/env bash
# Draws the program's own pictures into resources/ (ImageMagick). Run by hand after changing a picture; the
# drawn files are kept in the repository and built into rostrel and lumbra.
set -euo pipefail
cd "$(dirname "$0")/../resources"

# Splash window, 300 x 274: a probe sending sound waves into a steel block with a flaw; light above for the
# program's name and below for the loading line.
convert -size 300x274 gradient:'#F7F9FB-#B9CADB' \
  -fill '#8A99A8' -stroke '#5D6B78' -strokewidth 1 -draw 'rectangle 24,150 276,232' \
  -fill '#9DACBA' -stroke none -draw 'rectangle 25,151 275,160' \
  -fill none -stroke '#2F7FC1' -strokewidth 2 \
  -draw 'arc 95,125 145,175 25,155' -draw 'arc 75,105 165,195 25,155' -draw 'arc 55,85 185,215 25,155' \
  -stroke '#5FA3DA' -strokewidth 1 -draw 'arc 40,70 200,230 25,155' \
  -fill '#3A3F45' -stroke '#1F2327' -strokewidth 1 -draw 'polygon 100,118 140,118 146,150 94,150' \
  -fill '#C8A040' -stroke none -draw 'rectangle 112,96 128,118' \
  -fill none -stroke '#3A3F45' -strokewidth 3 -draw 'line 120,96 120,80' -draw 'line 120,80 160,74' \
  -fill '#20262C' -stroke none -draw 'ellipse 181,201 10,3 0,360' \
  -fill none -stroke '#D04A3A' -strokewidth 2 -draw 'circle 181,201 196,201' \
  -fill '#FFFFFF' -stroke '#AFC0D1' -strokewidth 1 -draw 'rectangle 0,241 299,273' \
  -depth 8 PNG24:SPLASH.png

# About box, 201 x 322: an instrument screen with an echo trace above a rail profile.
convert -size 201x322 gradient:'#E9EEF3-#9FB3C7' \
  -fill '#2B3137' -stroke '#14181C' -strokewidth 2 -draw 'roundrectangle 14,18 186,150 8,8' \
  -fill '#0E2A1A' -stroke none -draw 'rectangle 24,28 176,140' \
  -stroke '#1F5A35' -strokewidth 1 \
  -draw 'line 24,56 176,56' -draw 'line 24,84 176,84' -draw 'line 24,112 176,112' \
  -draw 'line 62,28 62,140' -draw 'line 100,28 100,140' -draw 'line 138,28 138,140' \
  -fill none -stroke '#5CF08A' -strokewidth 2 \
  -draw 'polyline 24,132 34,132 37,42 41,132 80,132 84,128 88,96 92,131 122,132 126,116 130,132 176,132' \
  -fill '#C3CCD5' -stroke '#55606B' -strokewidth 1 -draw 'circle 40,170 46,170' -draw 'circle 160,170 166,170' \
  -fill '#7D8A97' -stroke '#3D4852' -strokewidth 1 \
  -draw 'polygon 60,190 140,190 140,214 116,222 112,270 150,282 150,300 50,300 50,282 88,270 84,222 60,214' \
  -fill none -stroke '#2F7FC1' -strokewidth 2 -draw 'arc 80,200 120,240 30,150' -draw 'arc 70,190 130,250 35,145' \
  -fill '#3A3F45' -stroke none -draw 'polygon 90,178 110,178 114,192 86,192' \
  -depth 8 PNG24:ABOUT.png

# The exit button's glyph, 16 x 16: an open door and an arrow leaving through it; white is see-through.
convert -size 16x16 xc:white \
  -fill '#804000' -stroke none -draw 'rectangle 2,1 9,14' \
  -fill '#C08040' -draw 'polygon 3,2 8,3 8,15 3,14' \
  -fill '#FFFF00' -draw 'point 7,9' \
  -fill '#008000' -draw 'rectangle 9,7 12,9' -draw 'polygon 12,4 15,8 12,12' \
  -colors 16 -depth 8 PNG8:BITMAP_EXIT.png

# lumbra's menu glyphs, three of 16 x 16 side by side on olive (128,128,0), its see-through colour; pure white is
# avoided, since the host shows white parts of a glyph as see-through. 1: a records table under a magnifier
# (data management); 2: a probe with its beam; 3: a level image's colour steps.
convert -size 48x16 xc:'rgb(128,128,0)' +antialias \
  -fill '#F4F4D8' -stroke '#203060' -strokewidth 1 -draw 'rectangle 0,1 11,12' \
  -fill '#3050A0' -stroke none -draw 'rectangle 1,2 10,4' \
  -stroke '#7080A0' -draw 'line 1,7 10,7' -draw 'line 1,10 10,10' -draw 'line 5,5 5,11' \
  -fill '#C8E0F8' -stroke '#101010' -draw 'circle 10,9 13,9' \
  -stroke '#604020' -strokewidth 2 -draw 'line 12,12 15,15' \
  -fill '#404850' -stroke '#101418' -strokewidth 1 -draw 'rectangle 20,1 27,6' \
  -fill '#C8A040' -stroke none -draw 'rectangle 22,7 25,9' \
  -fill none -stroke '#2F7FC1' -draw 'arc 19,8 28,15 30,150' -draw 'arc 17,6 30,17 35,145' \
  -stroke none -fill '#FF00FF' -draw 'rectangle 33,2 35,13' -fill '#0000FF' -draw 'rectangle 36,2 38,13' \
  -fill '#00C0C0' -draw 'rectangle 39,2 41,13' -fill '#00C000' -draw 'rectangle 42,2 44,13' \
  -fill '#FF0000' -draw 'rectangle 45,2 47,13' \
  -depth 8 PNG24:MENUS.png

# lumbra's tool-button glyphs, 16 x 16 on olive (see-through: the bottom-left colour): view a record (a page
# under a magnifier), delete it (a red cross), the column criteria (a funnel), find (a magnifier), and the level
# image window (colour steps in a frame).
glyph() { convert -size 16x16 xc:'rgb(128,128,0)' +antialias "$@"; }
glyph -fill '#F4F4D8' -stroke '#203060' -draw 'rectangle 1,0 10,13' \
  -stroke '#7080A0' -draw 'line 3,3 8,3' -draw 'line 3,5 8,5' -draw 'line 3,7 6,7' \
  -fill '#C8E0F8' -stroke '#101010' -draw 'circle 10,9 13,9' \
  -stroke '#604020' -strokewidth 2 -draw 'line 12,12 15,15' -depth 8 PNG24:GLYPH_VIEW.png
glyph -stroke '#C00000' -strokewidth 3 -draw 'line 3,3 12,12' -draw 'line 12,3 3,12' -depth 8 PNG24:GLYPH_DELETE.png
glyph -fill '#F0D060' -stroke '#403000' -draw 'polygon 1,2 14,2 9,8 9,14 6,12 6,8' -depth 8 PNG24:GLYPH_CRITERIA.png
glyph -fill '#C8E0F8' -stroke '#101010' -strokewidth 2 -draw 'circle 6,6 10,6' \
  -stroke '#604020' -strokewidth 3 -draw 'line 10,10 14,14' -depth 8 PNG24:GLYPH_FIND.png
glyph -fill none -stroke '#101010' -draw 'rectangle 0,1 15,14' -stroke none \
  -fill '#FF00FF' -draw 'rectangle 1,2 3,13' -fill '#0000FF' -draw 'rectangle 4,2 6,13' \
  -fill '#00C0C0' -draw 'rectangle 7,2 9,13' -fill '#00C000' -draw 'rectangle 10,2 12,13' \
  -fill '#FF0000' -draw 'rectangle 13,2 14,13' -depth 8 PNG24:GLYPH_LEVELVIEW.png
