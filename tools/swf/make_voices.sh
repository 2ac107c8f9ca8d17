#!/bin/bash
# Speaks the voices of the movies with espeak-ng (Mandarin) and sox, as the program's own cues
# are made (tools/assets/make_sounds.sh): tone-numbered pinyin to the Mandarin voice, silence
# trimmed, a 3 ms fade-in, peaks at -3 dBFS, sox in repeatable mode.
#
# Usage: make_voices.sh [folder]      writes <folder>/*.wav (default: tools/swf/voices)
#
#   lesson0 … lesson9    each lesson's rhyme ("3 像耳朵听声音")
#   prompt1 … prompt10   each game's question
#   praise, allright, tryagain
#
# All clips are mono, 22 050 Hz, 16-bit PCM: the movies carry them as they are. The clips are
# committed; make_movies reads them, so rebuilding the movies needs no speech synthesiser.
# After changing a clip, regenerate the movies (cmake --build <build> --target regenerate_movies).
set -euo pipefail

out=${1:-$(dirname "$0")/voices}
mkdir -p "$out"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

for tool in espeak-ng sox; do
    command -v "$tool" >/dev/null || { echo "make_voices: $tool is missing (apt-get install $tool)" >&2; exit 1; }
done

VOICE=cmn-latn-pinyin+f2
SOX="sox -R -V1"

# clip <name> <speed wpm> <pitch 0-99> <pinyin>
clip() {
    espeak-ng -v "$VOICE" -s "$2" -p "$3" -a 160 -w "$work/$1.wav" "$4"
    $SOX "$work/$1.wav" "$work/$1t.wav" silence 1 0.002 0.6% reverse silence 1 0.002 0.6% reverse \
        pad 0.02 0.08
    $SOX "$work/$1t.wav" -b 16 -e signed-integer "$out/$1.wav" rate -v 22050 channels 1 \
        fade t 0.003 norm -3
}

# The rhymes: slow and clear, a child says them along.
clip lesson0 120 52 "ling2 xiang4 ji1 dan4 zuo4 dan4 gao1"
clip lesson1 120 52 "yi1 xiang4 qian1 bi3 xi4 you4 chang2"
clip lesson2 120 52 "er4 xiang4 xiao3 ya1 shui3 shang4 piao1"
clip lesson3 120 52 "san1 xiang4 er3 duo3 ting1 sheng1 yin1"
clip lesson4 120 52 "si4 xiang4 hong2 qi2 ying2 feng1 piao1"
clip lesson5 120 52 "wu3 xiang4 cheng4 gou1 lai2 mai3 cai4"
clip lesson6 120 52 "liu4 xiang4 shao4 zi5 di1 di1 di1"
clip lesson7 120 52 "qi1 xiang4 lian2 dao1 ge1 qing1 cao3"
clip lesson8 120 52 "ba1 xiang4 hu2 lu2 yao2 ya5 yao2"
clip lesson9 120 52 "jiu3 xiang4 shao2 zi5 neng2 chi1 fan4"

# The games' questions: friendly, a little quicker.
clip prompt1 140 58 "na3 bian1 duo1? dian3 yi4 dian3!"
clip prompt2 140 58 "jie1 xia4 lai2 shi4 ji3?"
clip prompt3 140 58 "zhao3 yi4 zhao3, na3 ge4 tu2 xing2 yi2 yang4?"
clip prompt4 140 58 "shu3 yi4 shu3, you3 ji3 ge4?"
clip prompt5 140 58 "na3 ge4 shu4 da4? dian3 da4 de5!"
clip prompt6 140 58 "na3 ge4 qiu2 he2 qi4 qiu2 yan2 se4 yi2 yang4?"
clip prompt7 140 58 "na3 ge4 bu4 yi2 yang4?"
clip prompt8 140 58 "shao3 le5 ji3? dian3 yi4 dian3!"
clip prompt9 140 58 "na3 zhi1 qian1 bi3 zui4 chang2?"
clip prompt10 140 58 "dian3 yi4 dian3, na3 ge4 zui4 xiao3?"

# Answers.
clip praise 160 68 "zhen1 bang4! da2 dui4 le5!"
clip allright 160 68 "tai4 bang4 le5! quan2 dou1 da2 dui4 le5!"
clip tryagain 135 50 "zai4 shi4 shi4!"

echo "make_voices: wrote 23 clips into $out"
