# make test   build everything and run every test (native, mingw, fuzz, Wine)
# make run    start the program under Wine
# make bench  run the benchmarks
# make screens  save a picture of every window in build/screens/ (and at 144 DPI in build/screens/144/)
# make dist   the release zip in build/dist/
BUILD ?= build
JOBS ?= 2
FUZZ_SECONDS ?= 10

# $(call configure,folder,options): configures a build folder once.
configure = test -f $(BUILD)/$(1)/CMakeCache.txt || \
	cmake -S . -B $(BUILD)/$(1) -DCMAKE_BUILD_TYPE=RelWithDebInfo $(2) >/dev/null

.PHONY: setup layers native unit win64 win32 fuzz-build fuzz-seeds fuzz screens wine test run bench dist clean

setup:
	@./scripts/setup.sh

native: setup
	$(call configure,native,)
	cmake --build $(BUILD)/native -j $(JOBS) -- --no-print-directory

# Every #include "folder/..." of src/ runs down the layers.
layers:
	@scripts/check_layers.sh

unit: layers native
	ctest --test-dir $(BUILD)/native --output-on-failure --timeout 120

win64: setup
	$(call configure,win64,-DCMAKE_TOOLCHAIN_FILE=cmake/mingw-x86_64.cmake)
	cmake --build $(BUILD)/win64 -j $(JOBS) -- --no-print-directory

win32: setup
	$(call configure,win32,-DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake)
	cmake --build $(BUILD)/win32 -j $(JOBS) -- --no-print-directory

fuzz-build: setup
	$(call configure,fuzz,-DCMAKE_CXX_COMPILER=clang++ -DTAVRIN_FUZZ=ON)
	cmake --build $(BUILD)/fuzz -j $(JOBS) -- --no-print-directory

# Rewrites the checked-in seed corpora and tag dictionary of tests/fuzz/.
fuzz-seeds: fuzz-build
	rm -rf tests/fuzz/seeds
	$(BUILD)/fuzz/tests/fuzz/make_seeds tests/fuzz

# Each fuzzer writes to its corpus in the build and reads the seeds of
# tests/fuzz/seeds/<name>/, with the dictionary tests/fuzz/<name>.dict if any.
# The player fuzzer plays macro texts: it reads the tag seeds too, and the
# tag dictionary. An input that runs for a minute fails as a hang.
fuzz: fuzz-build
	rm -rf $(BUILD)/fuzz/made
	$(BUILD)/fuzz/tests/fuzz/make_seeds $(BUILD)/fuzz/made
	@diff -r tests/fuzz/seeds $(BUILD)/fuzz/made/seeds >/dev/null && \
	    diff tests/fuzz/tag.dict $(BUILD)/fuzz/made/tag.dict >/dev/null || \
	    { echo "tests/fuzz/seeds or tag.dict is out of date: run make fuzz-seeds"; exit 1; }
	@for f in $(BUILD)/fuzz/tests/fuzz/*_fuzzer; do \
	    n=$$(basename $$f); name=$${n%_fuzzer}; \
	    case $$name in player) also=tag;; *) also=;; esac; \
	    seeds=; dict=; \
	    for m in $$name $$also; do \
	        test -d tests/fuzz/seeds/$$m && seeds="$$seeds tests/fuzz/seeds/$$m"; \
	        test -z "$$dict" && test -f tests/fuzz/$$m.dict && dict=tests/fuzz/$$m.dict; \
	    done; \
	    mkdir -p $(BUILD)/fuzz/corpus/$$n; \
	    $$f -max_total_time=$(FUZZ_SECONDS) -max_len=20000 -len_control=0 -timeout=60 \
	        $${dict:+-dict=$$dict} \
	        $(BUILD)/fuzz/corpus/$$n $$seeds >$(BUILD)/fuzz/$$n.log 2>&1 \
	        || { tail -n 40 $(BUILD)/fuzz/$$n.log; exit 1; }; \
	    echo "$$n: $$(grep DONE $(BUILD)/fuzz/$$n.log | tail -n 1 | grep -o 'cov: [0-9]* ft: [0-9]*')"; \
	done

wine: win64
	tests/wine/run.sh $(BUILD)/win64

# A picture of every window of the program under Wine, in build/screens/.
screens: win64
	timeout --kill-after=10 300 tests/wine/screens.sh $(BUILD)/win64 $(BUILD)/screens
	SCREENS_DPI=144 timeout --kill-after=10 300 tests/wine/screens.sh $(BUILD)/win64 $(BUILD)/screens/144

test: unit win32 fuzz wine

run: win64
	scripts/run.sh $(BUILD)/win64

# The release zip: build/dist/Tavrin.zip.
dist: win64
	scripts/dist.sh $(BUILD)/win64 $(BUILD)/dist

bench: native win64
	bench/run.sh $(BUILD)

clean:
	rm -rf $(BUILD)
