# The two commands of a fresh machine, `make demo` and `make test`. Both install what
# is missing first. The demo needs only the native build; the tests build and test the
# native module and the Windows DLL (cross-built, tested under Wine).
.PHONY: demo test build native

DEMO_OUT := build/demo

native:
	scripts/install-deps.sh native
	cmake --preset default
	cmake --build --preset default

build: native
	scripts/install-deps.sh windows
	cmake --preset windows
	cmake --build --preset windows

# Replays the example card run: prints the display at each stop and writes an SVG
# picture of it to $(DEMO_OUT)/card_run/.
demo: native
	@echo "== Replaying examples/scenarios/card_run.scn in examples/vehicle"
	build/default/ruvahost --out $(DEMO_OUT) examples/vehicle examples/scenarios/card_run.scn
	@echo "== SVG snapshots of every stop: $(DEMO_OUT)/card_run/"

test:
	scripts/install-deps.sh native windows
	cmake --workflow --preset default
	cmake --workflow --preset windows
	scripts/run-fuzz.sh 60
	cmake --workflow --preset asan
