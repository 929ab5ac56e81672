# The two commands a new user types: `make demo` and `make test`.
.PHONY: demo demo-win test deps deps-native native win test-native test-win bench fuzz clean screenshots \
        asan test-asan fuzz-build fuzz-smoke

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

test-win: win
	xvfb-run -a -s "-screen 0 1024x768x24" ctest --preset win

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

win:
	@cmake --preset win >/dev/null
	cmake --build --preset win

clean:
	rm -rf build

# The README's pictures of the three windows, made under Xvfb from the current build.
screenshots: win
	xvfb-run -a -s "-screen 0 1024x768x24" scripts/screenshot-windows build/win/kelvarnook.exe build/win/screenshots
	for f in form1 form2 form3; do convert build/win/screenshots/$$f.png -filter point -resize 200% docs/screenshots/$$f.png; done
