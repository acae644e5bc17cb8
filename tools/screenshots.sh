#!/usr/bin/env bash
# Takes screenshots of the main window, the inspection plug-in's LUMBRA window, the record viewer, the report
# previews (a report of two pages too), the composite sheet and the level image window, in English and in
# Russian, with the built program folder copied into a temporary folder, a settings store of its own and a sample
# journal.
#   tools/screenshots.sh [OUTPUT_FOLDER]      (default: build/screenshots)
# Needs xvfb-run and ImageMagick's import; build first (./run.sh or cmake --build build).
set -euo pipefail
cd "$(dirname "$0")/.."
out=$(realpath -m "${1:-build/screenshots}")
bin=build/bin
for tool in xvfb-run import convert xwininfo; do
  command -v "$tool" >/dev/null || { echo "screenshots: $tool is missing (apt-get install xvfb imagemagick x11-utils)" >&2; exit 1; }
done
[ -x "$bin/rostrel" ] || { echo "screenshots: build the program first" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$bin"/rostrel "$bin"/*.so "$work"/
if [ -x build/tools/make_sample_journal ]; then
  build/tools/make_sample_journal "$work/ormeldata.txt"
fi
mkdir -p "$out"

# One shot: the program runs the script (the window stays up while it waits), the screen is taken meanwhile;
# only the window of that title when one is given (there is no window manager, so no title bar either).
shoot() {
  local name=$1 script=$2 title=${3:-}
  printf '%b' "$script" > "$work/script.txt"
  xvfb-run -a -s "-screen 0 1280x1024x24" bash -c '
    ORMEL_AUTOMATION="$1/script.txt" "$1/rostrel" >/dev/null 2>&1 &
    program=$!
    sleep 4
    window=root
    [ -z "$3" ] || window=$(xwininfo -name "$3" | sed -n "s/^xwininfo: Window id: \(0x[0-9a-f]*\).*/\1/p")
    import -window "$window" png:- | convert - -trim +repage "$2"
    wait "$program"' shoot "$work" "$out/$name.png" "$title"
  echo "$out/$name.png"
}

export ORMEL_REGISTRY="$work/registry.txt"
shoot main-window-en 'click\tEnglish1\nwait\t6000\n'
shoot main-window-ru 'click\tRussian1\nwait\t6000\n'
# The LUMBRA window, opened by its menu entry, with an image chosen for the preview.
lumbra='click-menu\t0\t0\nselect\tfrmLumbra\tsgTunings\t2\nselect\tfrmLumbra\tsgImages\t2\nwait\t6000\n'
shoot lumbra-en "click\tEnglish1\n$lumbra" "LUMBRA Data Management"
shoot lumbra-ru "click\tRussian1\n$lumbra" "Управление данными ЛУМБРА"

# The record viewer's three pages: a tuning, an ordinary image with a marked zone (the images sorted by their
# type column, the first row) and an impact image (the same column sorted the other way). The viewer is modal:
# the script keeps it open and saves its picture itself, so no display is needed for these.
viewer() {
  local language=$1 suffix=$2
  printf '%b' "click\t$language\nclick-menu\t0\t0\n\
select\tfrmLumbra\tsgTunings\t1\nmodal\npress\tfrmLumbra\tsbTunEdit\nshot\tfrmEditRecord\t$out/viewer-tuning-$suffix.png\nend-modal\t2\n\
header\tfrmLumbra\tsgImages\t11\nselect\tfrmLumbra\tsgImages\t1\nmodal\npress\tfrmLumbra\tsbImgEdit\n\
drag\tfrmEditRecord\tImage1\t30\t30\t110\t90\nshot\tfrmEditRecord\t$out/viewer-image-$suffix.png\nend-modal\t2\n\
header\tfrmLumbra\tsgImages\t11\nselect\tfrmLumbra\tsgImages\t1\nmodal\npress\tfrmLumbra\tsbImgEdit\n\
shot\tfrmEditRecord\t$out/viewer-impact-$suffix.png\nend-modal\t2\n" > "$work/script.txt"
  QT_QPA_PLATFORM=offscreen ORMEL_AUTOMATION="$work/script.txt" "$work/rostrel" >/dev/null 2>&1
  for page in tuning image impact; do echo "$out/viewer-$page-$suffix.png"; done
}
viewer English1 en
viewer Russian1 ru

# The three report previews with texts that fill their fields (a tuning as typed in its viewer; an ordinary and
# an impact image, the images sorted by type as above, whose texts the viewer stored first), both pages of the
# image report once its conclusion is long enough to need two, the composite sheet
# and its report preview, and the level image window (of the sample journal's first level image, the second
# images row), grabbed by the program itself (the automation's "shot") on a screen of its own, so no display is
# needed and modal windows are taken while they show.
name='Колёсная пара 2 — левое колесо, обод №17'
comment='Проверка после ремонта: трещина у ступицы не обнаружена, повторить контроль через 3 месяца, партия 5'
inspector='Иванов-Петровский Александр Константинович, дефектоскоп 6 р.'
conclusion='Годен к эксплуатации при условии повторного контроля зоны обода через 30 дней. '\
'Дефект в отмеченной зоне не превышает допустимых значений по нормативу, акт составлен в двух экземплярах.'
# A conclusion that takes the image report on to a second page.
long_conclusion="$conclusion $conclusion $conclusion $conclusion $conclusion $conclusion"
printf '{"screens": [{"name": "shots", "x": 0, "y": 0, "width": 1280, "height": 1024, "logicalDpi": 96}]}' \
  > "$work/screen.json"
grab() {
  local language=$1 suffix=$2
  printf '%b' "click\t$language\nclick-menu\t0\t0\nselect\tfrmLumbra\tsgTunings\t2\n\
answer\t2\tset=edTunName:$name\tset=edComments:$comment\tclick=ButPreview\n\
answer\t0\tshot=$out/report-tuning-$suffix.png\npress\tfrmLumbra\tsbTunEdit\n\
select\tfrmLumbra\tsgImages\t3\npress\tfrmLumbra\tSpeedButton1\nselect\tfrmLumbra\tsgImages\t2\n\
press\tfrmLumbra\tSpeedButton1\nshot\tAllImageForm\t$out/composite-$suffix.png\n\
answer\t0\tshot=$out/composite-preview-$suffix.png\npress\tAllImageForm\tPreview2\n\
answer\t2\tclick=sbZoomIn\tshot=$out/level-image-$suffix.png\npress\tfrmLumbra\tsbDynImageView\n\
header\tfrmLumbra\tsgImages\t11\nselect\tfrmLumbra\tsgImages\t1\n\
answer\t1\tset=edImgName:$name\tset=edComments:$comment\tset=EditControlMade:$inspector\tset=Memo1:$conclusion\n\
press\tfrmLumbra\tsbImgEdit\nanswer\t2\tclick=ButPreview\nanswer\t0\tshot=$out/report-image-$suffix.png\n\
press\tfrmLumbra\tsbImgEdit\n\
header\tfrmLumbra\tsgImages\t11\nselect\tfrmLumbra\tsgImages\t1\n\
answer\t1\tset=Ed_impimgname:$name\tset=edComments:$comment\tset=Ed_impimgtest:$inspector\t\
set=memo_impimgconcl:$conclusion\n\
press\tfrmLumbra\tsbImgEdit\nanswer\t2\tclick=ButPreview\nanswer\t0\tshot=$out/report-impact-$suffix.png\n\
press\tfrmLumbra\tsbImgEdit\n\
header\tfrmLumbra\tsgImages\t11\nselect\tfrmLumbra\tsgImages\t1\n\
answer\t1\tset=Memo1:$long_conclusion\npress\tfrmLumbra\tsbImgEdit\nanswer\t2\tclick=ButPreview\n\
answer\t0\tshot=$out/report-two-pages-1-$suffix.png\tpage=2\tshot=$out/report-two-pages-2-$suffix.png\n\
press\tfrmLumbra\tsbImgEdit\n" > "$work/script.txt"
  QT_QPA_PLATFORM="offscreen:configfile=$work/screen.json" ORMEL_AUTOMATION="$work/script.txt" "$work/rostrel" \
    >/dev/null 2>&1
  for shot in report-tuning report-image report-impact report-two-pages-1 report-two-pages-2 composite \
    composite-preview level-image; do
    echo "$out/$shot-$suffix.png"
  done
}
grab English1 en
grab Russian1 ru
