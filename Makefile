# The two commands of a fresh machine. Both install what is missing first.
# Each builds and tests the native module and the Windows DLL (cross-built, tested
# under Wine).
.PHONY: demo test build

DEMO_OUT := build/demo

build:
	scripts/install-deps.sh native windows
	cmake --preset default
	cmake --build --preset default
	cmake --preset windows
	cmake --build --preset windows

# Replays the example card run: prints the display at each stop and writes an SVG
# picture of it to $(DEMO_OUT)/card_run/.
demo: build
	@echo "== Replaying examples/scenarios/card_run.scn in examples/vehicle"
	build/default/ruvahost --out $(DEMO_OUT) examples/vehicle examples/scenarios/card_run.scn
	@echo "== SVG snapshots of every stop: $(DEMO_OUT)/card_run/"

test:
	scripts/install-deps.sh native windows
	cmake --workflow --preset default
	cmake --workflow --preset windows
	cmake --workflow --preset asan
	scripts/run-fuzz.sh 60
