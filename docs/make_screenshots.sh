#!/bin/sh
# Pictures of every window of Tidewarm in English and French, taken under a virtual display by
# the window tests (ImageMagick's `import` is needed: apt-get install imagemagick), and the
# report's pages as printed (report-<language>.pdf, its pages as PNG through poppler-utils'
# pdftoppm). Only the tests that take pictures run (after the one that makes their run). The
# README shows main-en.png, input-en.png, report-en.png and preview-en.png, cut and scaled down.
#   docs/make_screenshots.sh [build folder] [picture folder]
set -e
build=$(realpath "${1:-build}")
pictures=$(realpath "${2:-docs}")
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
cmake --build "$build" --target gui_front_tests
for language in 0 1; do
    (cd "$home" && HOME="$home" TIDEWARM_SCREENSHOTS="$pictures" TIDEWARM_LANGUAGE=$language \
        xvfb-run -a -s "-screen 0 1280x800x24" "$build/bin/gui_front_tests" \
        --gtest_filter='InstallerPathTest.NewRun*:WindowPictures.*:RunForm.*:SystemPicture*')
done
for pdf in "$pictures"/report-*.pdf; do
    [ -f "$pdf" ] && pdftoppm -png -r 60 "$pdf" "${pdf%.pdf}-page"
done
