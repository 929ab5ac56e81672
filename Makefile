# The two commands a new user types: `make demo` and `make test`.
.PHONY: demo demo-win test deps deps-native native win win64 win32 test-native test-win bench fuzz \
        clean screenshots asan test-asan fuzz-build fuzz-smoke dist

demo: deps-native native
	@mkdir -p build/demo
	./build/native/kelvarnook-sim --dir build/demo

# The real program beside the Windows stand-in host, under Wine on this display.
demo-win: deps win
	@scripts/demo-win

test: deps native win
	ctest --preset native -j2
	$(MAKE) --no-print-directory test-asan
	$(MAKE) --no-print-directory fuzz-smoke
	$(MAKE) --no-print-directory test-win

test-native: native
	ctest --preset native -j2

# The 64-bit tree's tests run both programs, each beside the 32-bit stand-in host too; a
# machine that runs no 32-bit code skips the 32-bit runs, and the last line says so.
test-win: win
	ctest --preset win32
	@rm -f build/win64/skipped-32bit.txt
	xvfb-run -a -s "-screen 0 1024x768x24" ctest --preset win64
	@scripts/report-32bit-runs build/win64/skipped-32bit.txt

# The native tests once more, built with AddressSanitizer and UndefinedBehaviorSanitizer.
test-asan: asan
	scripts/run-asan-tests build/asan/kn_tests

asan:
	@cmake --preset asan >/dev/null
	cmake --build --preset asan

# Every fuzz target over its corpus and then FUZZ_SECONDS each; the smoke run of `make test`
# keeps to a few seconds each.
FUZZ_SECONDS ?= 300
FUZZ_SMOKE_SECONDS ?= 6

fuzz: deps-native fuzz-build
	fuzz/run-fuzzers build/fuzz $(FUZZ_SECONDS)

fuzz-smoke: fuzz-build
	fuzz/run-fuzzers --smoke build/fuzz $(FUZZ_SMOKE_SECONDS)

fuzz-build:
	@cmake --preset fuzz >/dev/null
	cmake --build --preset fuzz

# Performance measures, built with optimisation; the table also goes to docs/performance.md.
bench: deps
	scripts/bench

deps:
	@scripts/install-deps all

deps-native:
	@scripts/install-deps native

native:
	@cmake --preset native >/dev/null
	cmake --build --preset native

# Both Windows builds: the 64-bit one with the Windows tests, the 32-bit one (Windows XP on).
win: win32 win64

win64:
	@cmake --preset win64 >/dev/null
	cmake --build --preset win64

win32:
	@cmake --preset win32 >/dev/null
	cmake --build --preset win32

# The release: build/dist/kelvarnook-VERSION-windows.zip with both programs and a read-me.
dist: deps win
	cmake --build --preset win64 --target dist

clean:
	rm -rf build

# The README's pictures of the three windows at 96, 120, 144 and 192 DPI, of the whole screen
# with all three open, and of the missed lines at 96 and 144 DPI after a session beside the
# stand-in host, made under Xvfb from the current build, shown twice their size.
screenshots: win64
	for dpi in 96 120 144 192; do \
	    xvfb-run -a -s "-screen 0 1024x768x24" scripts/screenshot-windows build/win64/kelvarnook.exe build/win64/screenshots-$$dpi $$dpi || exit 1; \
	    suffix=$$([ $$dpi = 96 ] || echo -$${dpi}dpi); \
	    for f in form1 form2 form3; do \
	        convert build/win64/screenshots-$$dpi/$$f.png -filter point -resize 200% docs/screenshots/$$f$$suffix.png; \
	    done; \
	    cp build/win64/screenshots-$$dpi/beside.png docs/screenshots/beside-$${dpi}dpi.png; \
	done
	for dpi in 96 144; do \
	    xvfb-run -a -s "-screen 0 1024x768x24" scripts/screenshot-missed build/win64/kelvarnook.exe build/win64/kn-standin-host.exe build/win64/screenshots-$$dpi $$dpi || exit 1; \
	    suffix=$$([ $$dpi = 96 ] || echo -$${dpi}dpi); \
	    convert build/win64/screenshots-$$dpi/form4.png -filter point -resize 200% docs/screenshots/form4$$suffix.png; \
	done
	for dpi in 96 192; do \
	    xvfb-run -a -s "-screen 0 1024x768x24" scripts/screenshot-windows build/win64/kelvarnook.exe build/win64/screenshots-no-room-$$dpi $$dpi build/win64/kn-standin-host.exe || exit 1; \
	    suffix=$$([ $$dpi = 96 ] || echo -$${dpi}dpi); \
	    convert build/win64/screenshots-no-room-$$dpi/form1.png -filter point -resize 200% docs/screenshots/form1-no-room$$suffix.png; \
	done
