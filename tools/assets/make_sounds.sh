#!/bin/bash
# Makes the voice cues of Abacolo with espeak-ng (Mandarin) and sox.
#
# Usage: make_sounds.sh <assets-dir>      writes <assets-dir>/sounds/*.wav
#
#   vright, vwrong, cat       stereo, 44 100 Hz, 16-bit PCM
#   numvoice0 ... numvoice9   mono,   22 050 Hz, 16-bit PCM
#   the activities' requests  mono,   22 050 Hz, 16-bit PCM (find_circle, ...)
#
# The Mandarin text is given to espeak-ng's Mandarin voice in tone-numbered
# pinyin (the cmn-latn-pinyin input mode of the same voice): the dictionary
# packaged with Debian 12 lacks most characters and would read them as
# English letters and numbers. Every clip starts within a few milliseconds
# of the file start and peaks near -3 dBFS. sox runs in repeatable mode (-R),
# so the output is the same on every run with the same package versions.
set -euo pipefail

out=${1:?usage: make_sounds.sh <assets-dir>}
mkdir -p "$out/sounds"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

for tool in espeak-ng sox; do
    command -v "$tool" >/dev/null || { echo "make_sounds: $tool is missing (apt-get install $tool)" >&2; exit 1; }
done

VOICE=cmn-latn-pinyin+f2   # Mandarin voice, a lighter (female) variant
SOX="sox -R -V1"

# speak <pinyin> <speed wpm> <pitch 0-99> <output.wav>
speak() {
    espeak-ng -v "$VOICE" -s "$2" -p "$3" -a 160 -w "$4" "$1"
}

# trim <in> <out> [effects...]: cut silence at both ends, keep a 60 ms tail.
trim() {
    local in=$1 o=$2
    shift 2
    $SOX "$in" "$o" silence 1 0.002 0.6% reverse silence 1 0.002 0.6% reverse \
        pad 0 0.06 "$@"
}

# finish <in> <out> <rate> <channels>: format, -3 dBFS peak, 3 ms fade-in.
finish() {
    $SOX "$1" -b 16 -e signed-integer "$2" rate -v "$3" channels "$4" fade t 0.003 \
        norm -3
}

# ---- numbers 0 ... 9: clear and a little slow -----------------------------
digits=(ling2 yi1 er4 san1 si4 wu3 liu4 qi1 ba1 jiu3)
for i in "${!digits[@]}"; do
    speak "${digits[$i]}" 110 50 "$work/d$i.wav"
    trim "$work/d$i.wav" "$work/d${i}t.wav"
    finish "$work/d${i}t.wav" "$out/sounds/numvoice$i.wav" 22050 1
done

# ---- bell chime: C6 E6 G6 C7, each a short decaying bell -------------------
notes=(1046.5 1318.5 1568.0 2093.0)
mix=()
for i in "${!notes[@]}"; do
    f=${notes[$i]}
    delay=$(awk -v i="$i" 'BEGIN { printf "%.3f", i * 0.075 }')
    upper=$(awk -v f="$f" 'BEGIN { printf "%.1f", f * 2.76 }')
    # fundamental plus a quieter bell partial, fast attack, long soft decay
    $SOX -n -r 44100 -c 1 "$work/fund$i.wav" synth 0.55 sine "$f" fade l 0.002 0.55 0.52 vol 0.55
    $SOX -n -r 44100 -c 1 "$work/part$i.wav" synth 0.55 sine "$upper" fade l 0.002 0.55 0.54 vol 0.16
    $SOX -m "$work/fund$i.wav" "$work/part$i.wav" "$work/note$i.wav" pad "$delay"
    mix+=("$work/note$i.wav")
done
$SOX -m "${mix[@]}" "$work/chime.wav" norm -6

# ---- vright: chime + "真棒，答对了" ---------------------------------------
speak "zhen1 bang4, da2 dui4 le5" 165 68 "$work/right.wav"
trim "$work/right.wav" "$work/rightt.wav" rate 44100
$SOX "$work/rightt.wav" "$work/rightp.wav" pad 0.22
$SOX -m -v 0.75 "$work/chime.wav" -v 1 "$work/rightp.wav" "$work/vright.wav"
finish "$work/vright.wav" "$out/sounds/vright.wav" 44100 2

# ---- vwrong: a gentle, kind "再想想" ---------------------------------------
speak "zai4 xiang3 xiang3" 135 48 "$work/wrong.wav"
trim "$work/wrong.wav" "$work/wrongt.wav" rate 44100 treble -4 3000 reverb 20 50 40
finish "$work/wrongt.wav" "$out/sounds/vwrong.wav" 44100 2

# ---- cat: a synthetic "m-i-a-ow" followed by a soft "加油" -----------------
# A buzzy source whose pitch rises (mi-a) and falls (ow). Three filtered
# copies of it take turns: a closed-mouth nasal "m", bright "ia" formants,
# then darker rounded "ow" formants, as a cat opens and closes its mouth.
$SOX -n -r 44100 -c 1 "$work/src.wav" synth 0.78 sawtooth 560 \
    bend -f 50 0.04,+700,0.22 0.08,-1050,0.38 tremolo 7 15 vol 0.5
$SOX "$work/src.wav" "$work/nasal.wav" lowpass 650 lowpass 650 fade t 0 0.2 0.14
$SOX "$work/src.wav" "$work/f1.wav" bandpass 1050 1.2q
$SOX "$work/src.wav" "$work/f2.wav" bandpass 2300 2.2q
$SOX "$work/src.wav" "$work/f3.wav" bandpass 700 1.4q
$SOX "$work/src.wav" "$work/f4.wav" lowpass 1000 lowpass 1000
$SOX -m -v 1 "$work/f1.wav" -v 0.7 "$work/f2.wav" "$work/bright.wav" fade t 0.12 0.78 0.45
$SOX -m -v 1 "$work/f3.wav" -v 0.8 "$work/f4.wav" "$work/dark.wav" fade t 0.45 0.78 0
# a little breath in the open part
$SOX -n -r 44100 -c 1 "$work/breath.wav" synth 0.78 pinknoise bandpass 2500 1q \
    fade q 0.1 0.78 0.6 vol 0.05
$SOX -m -v 1.2 "$work/nasal.wav" "$work/bright.wav" "$work/dark.wav" "$work/breath.wav" \
    "$work/meowraw.wav" highpass 250 lowpass 6500
# the pitch bend delays the sound by a frame: cut that off, then shape it
trim "$work/meowraw.wav" "$work/meowt.wav"
$SOX "$work/meowt.wav" "$work/meow.wav" fade q 0.006 -0 0.3 norm -3
speak "jia1 you2" 150 60 "$work/jiayou.wav"
trim "$work/jiayou.wav" "$work/jiayout.wav" rate 44100 norm -9
$SOX "$work/meow.wav" "$work/meowp.wav" pad 0 0.06
$SOX "$work/meowp.wav" "$work/jiayout.wav" "$work/cat.wav"
finish "$work/cat.wav" "$out/sounds/cat.wav" 44100 2

# ---- the activities' requests: friendly, a little faster than the digits --------
# request <name> <pinyin> [speed wpm]
request() {
    speak "$2" "${3:-165}" 55 "$work/$1.wav"
    trim "$work/$1.wav" "$work/$1t.wav"
    finish "$work/$1t.wav" "$out/sounds/$1.wav" 22050 1
}
requests=0
# shapes: "找一找圆形" ...
shapes=(circle:yuan2xing2 square:zheng4fang1xing2 triangle:san1jiao3xing2
        rectangle:chang2fang1xing2 oval:tuo3yuan2xing2 star:wu3jiao3xing1
        diamond:ling2xing2 pentagon:wu3bian1xing2 hexagon:liu4bian1xing2)
for entry in "${shapes[@]}"; do
    request "find_${entry%%:*}" "zhao3 yi4 zhao3 ${entry#*:}"
    requests=$((requests + 1))
done
# comparing, the clock, memory pairs, half, the balance
request which_more "na3 bian1 duo1"                                  # 哪边多？
request choose_sign "bi3 yi4 bi3, xuan3 fu2 hao4"                    # 比一比，选符号
request what_time "xian4 zai4 ji3 dian3"                             # 现在几点？
request find_pairs "fan1 pai2, zhao3 yi2 yang4 duo1"                 # 翻牌，找一样多
request move_half "fen1 yi2 ban4 gei3 kong1 pan2 zi5"                # 分一半给空盘子
request find_half_cut "na3 tiao2 xian4 fen1 de5 dui4"                 # 哪条线分得对？
request make_balance "rang4 tian1 ping2 ping2 heng2"                 # 让天平平衡
requests=$((requests + 7))
# finding errors, multiples
request which_wrong "na3 zhang1 ka3 pian4 cuo4 le5"                  # 哪张卡片错了？
request count_by_2 "liang3 ge4 liang3 ge4 shu3, xia4 yi2 ge4 shi4 ji3" # 两个两个数，下一个是几？
request count_by_5 "wu3 ge4 wu3 ge4 shu3, xia4 yi2 ge4 shi4 ji3"     # 五个五个数，下一个是几？
request count_by_10 "shi2 ge4 shi2 ge4 shu3, xia4 yi2 ge4 shi4 ji3"  # 十个十个数，下一个是几？
requests=$((requests + 4))
# bar graphs
request build_bar_graph "shu3 yi4 shu3, tian2 hao3 tong3 ji4 tu2" 190 # 数一数，填好统计图
request which_most "na3 zhong3 zui4 duo1"                            # 哪种最多？
request which_fewest "na3 zhong3 zui4 shao3"                         # 哪种最少？
requests=$((requests + 3))
# paths: "从1数到5" ... "两个两个数，从2数到16"
request path_1_5 "cong2 yi1 shu3 dao4 wu3"
request path_1_8 "cong2 yi1 shu3 dao4 ba1"
request path_1_10 "cong2 yi1 shu3 dao4 shi2"
speak "liang3 ge4 liang3 ge4 shu3, cong2 er4 shu3 dao4 shi2 liu4" 190 55 "$work/path_2_16.wav"
trim "$work/path_2_16.wav" "$work/path_2_16t.wav"
finish "$work/path_2_16t.wav" "$out/sounds/path_2_16.wav" 22050 1
requests=$((requests + 4))
# directions: "向右走3步", and two walks "向右走3步，再向上走2步", a little faster
heading_words=(right:you4 left:zuo3 up:shang4 down:xia4)
step_words=(yi1 liang3 san1 si4 wu3)
for entry in "${heading_words[@]}"; do
    most=5
    [[ ${entry%%:*} == up || ${entry%%:*} == down ]] && most=4 # the grid has five rows
    for n in $(seq 1 "$most"); do
        request "go_${entry%%:*}_$n" "xiang4 ${entry#*:} zou3 ${step_words[$((n - 1))]} bu4"
        requests=$((requests + 1))
    done
done
for across in right:you4 left:zuo3; do
    for upOrDown in up:shang4 down:xia4; do
        for n in 1 2 3; do
            for m in 1 2 3; do
                name="go_${across%%:*}_${n}_${upOrDown%%:*}_$m"
                speak "xiang4 ${across#*:} zou3 ${step_words[$((n - 1))]} bu4, zai4 xiang4 ${upOrDown#*:} zou3 ${step_words[$((m - 1))]} bu4" \
                    200 55 "$work/$name.wav"
                trim "$work/$name.wav" "$work/${name}t.wav"
                finish "$work/${name}t.wav" "$out/sounds/$name.wav" 22050 1
                requests=$((requests + 1))
            done
        done
    done
done
# times tables: each rhyme ("三四十二") and its question ("三个四是几？"), brisk as chanted
numbers=(yi1 er4 san1 si4 wu3 liu4 qi1 ba1 jiu3)
# the product as the rhymes say it: "de2 liu4" under ten, "yi1 shi2", "shi2 er4", "er4 shi2 wu3"
rhyme_product() {
    local tens=$(($1 / 10)) units=$(($1 % 10))
    if ((tens == 0)); then
        echo "de2 ${numbers[$((units - 1))]}"
        return
    fi
    local said="shi2"
    ((tens > 1 || units == 0)) && said="${numbers[$((tens - 1))]} shi2"
    ((units > 0)) && said="$said ${numbers[$((units - 1))]}"
    echo "$said"
}
for b in $(seq 1 9); do
    for a in $(seq 1 "$b"); do
        first=${numbers[$((a - 1))]}
        ((a == 2)) && how_many=liang3 || how_many=$first
        for entry in "rhyme_${a}_$b:$first ${numbers[$((b - 1))]} $(rhyme_product $((a * b)))" \
                     "times_${a}_$b:$how_many ge4 ${numbers[$((b - 1))]} shi4 ji3"; do
            request "${entry%%:*}" "${entry#*:}" 175
            requests=$((requests + 1))
        done
    done
done
# the clock: "拨到三点", "拨到三点半"
hours=(yi1 liang3 san1 si4 wu3 liu4 qi1 ba1 jiu3 shi2 "shi2 yi1" "shi2 er4")
for h in $(seq 1 12); do
    request "set_${h}_00" "bo1 dao4 ${hours[$((h - 1))]} dian3"
    request "set_${h}_30" "bo1 dao4 ${hours[$((h - 1))]} dian3 ban4"
    requests=$((requests + 2))
done

echo "make_sounds: wrote $((13 + requests)) clips into $out/sounds"
