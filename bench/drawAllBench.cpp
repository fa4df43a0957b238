// CPU time of one frame of the program's drawing against the stock scene manager's drawAll
// over the same cube meshes, with the same driver in the same run. Prints program / stock.
//
//   helixpane-bench-draw-all [benchmark options]
//
// The null driver measures what both spend outside the driver; the OpenGL driver (only
// when a display is there) adds what the driver costs at a small window.
#include "render/CVeskSceneManagerExtension.h"
#include "render/veskMaterialRenderers.h"
#include "render/veskSceneManager.h"
#include "scene/CVeskCameraSceneNode.h"
#include "scene/CVeskMeshSceneNode.h"

#include <benchmark/benchmark.h>
#include <irrlicht.h>

#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

using namespace irr;

namespace
{

const u32 NODE_COUNTS[] = { 1000, 10000 };
const u32 CUBE_TRIANGLES = 12;
const u32 WINDOW_WIDTH = 320;
const u32 WINDOW_HEIGHT = 240;

IrrlichtDevice* createBenchDevice(video::E_DRIVER_TYPE driverType)
{
	SIrrlichtCreationParameters parameters;
	parameters.DriverType = driverType;
	parameters.WindowSize = core::dimension2du(WINDOW_WIDTH, WINDOW_HEIGHT);
	parameters.LoggingLevel = ELL_NONE;
	IrrlichtDevice* device = createDeviceEx(parameters);
	if (!device)
		return 0;
	// The player's drawing goes through the program's material renderers; the stock nodes
	// keep the engine's types and are not touched by them.
	installVeskMaterialRenderers(device);
	return device;
}

//! Position of node i of count: a square grid in the plane z = 0, all of it in view of a
//! camera on the -z side, so that culling keeps every node and each one is drawn.
core::vector3df gridPosition(u32 i, u32 count)
{
	u32 side = 1;
	while (side * side < count)
		++side;
	const f32 spacing = 3.f;
	const f32 half = f32(side - 1) * spacing * 0.5f;
	return core::vector3df(f32(i % side) * spacing - half, f32(i / side) * spacing - half, 0.f);
}

f32 cameraDistance(u32 count)
{
	return gridPosition(0, count).getLength() * 2.5f + 10.f;
}

//! One scene of count cube nodes in a scene manager of its own.
class CBenchScene
{
public:
	CBenchScene(IrrlichtDevice* device, bool program, u32 count) : Device(device), Program(program)
	{
		scene::ISceneManager* deviceManager = device->getSceneManager();
		SceneManager = program ? createVeskSceneManager(deviceManager) : deviceManager->createNewSceneManager(false);
		scene::IMesh* cube = deviceManager->getGeometryCreator()->createCubeMesh(core::vector3df(1, 1, 1));
		scene::ISceneNode* root = SceneManager->getRootSceneNode();
		for (u32 i = 0; i < count; ++i)
		{
			if (program)
			{
				CVeskMeshSceneNode* node = new CVeskMeshSceneNode(root, SceneManager, -1, gridPosition(i, count));
				node->setMesh(cube);
				node->drop();
			}
			else
				SceneManager->addMeshSceneNode(cube, root, -1, gridPosition(i, count));
		}
		cube->drop();

		const core::vector3df eye(0, 0, -cameraDistance(count));
		if (program)
		{
			CVeskCameraSceneNode* camera = new CVeskCameraSceneNode(root, SceneManager, -1, eye, core::vector3df(0, 0, 0));
			camera->setFarValue(cameraDistance(count) * 2.f);
			SceneManager->setActiveCamera(camera);
			camera->drop();
		}
		else
		{
			scene::ICameraSceneNode* camera = SceneManager->addCameraSceneNode(root, eye, core::vector3df(0, 0, 0));
			camera->setFarValue(cameraDistance(count) * 2.f);
		}
		Extension = program ? getSceneExtension(SceneManager) : 0;
	}

	~CBenchScene() { SceneManager->drop(); }

	void drawFrame(u32 timeMs)
	{
		video::IVideoDriver* driver = Device->getVideoDriver();
		driver->beginScene(true, true, video::SColor(255, 0, 0, 0));
		if (Program)
			Extension->drawAll(timeMs);
		else
			SceneManager->drawAll();
		driver->endScene();
	}

	//! Triangles the driver was given in the last frame.
	u32 trianglesLastFrame() const { return Device->getVideoDriver()->getPrimitiveCountDrawn(0); }

private:
	IrrlichtDevice* Device;
	bool Program;
	scene::ISceneManager* SceneManager;
	CVeskSceneManagerExtension* Extension;
};

void drawFrames(benchmark::State& state, IrrlichtDevice* device, bool program)
{
	const u32 count = u32(state.range(0));
	CBenchScene scene(device, program, count);
	u32 time = 0;
	scene.drawFrame(time);
	if (scene.trianglesLastFrame() != count * CUBE_TRIANGLES)
	{
		state.SkipWithError(("not every cube was drawn: " + std::to_string(scene.trianglesLastFrame())).c_str());
		return;
	}
	for (auto _ : state)
		scene.drawFrame(time += 16);
	state.counters["nodes"] = count;
}

//! Keeps each run's times and prints program / stock per driver and node count at the end.
class CRatioReporter : public benchmark::ConsoleReporter
{
public:
	void ReportRuns(const std::vector<Run>& runs) override
	{
		ConsoleReporter::ReportRuns(runs);
		// With repetitions only the medians are compared.
		for (const Run& run : runs)
		{
			const bool wanted = run.run_type == Run::RT_Aggregate ? run.aggregate_name == "median" : run.repetitions <= 1;
			if (wanted && !run.error_occurred && run.iterations > 0)
				Times[run.benchmark_name()] = STimes { run.GetAdjustedCPUTime(), run.GetAdjustedRealTime() };
		}
	}

	void Finalize() override
	{
		ConsoleReporter::Finalize();
		std::printf("\nprogram / stock per frame (aim: at most 1.15)\n");
		for (const auto& entry : Times)
		{
			const std::string& name = entry.first;
			if (name.compare(0, 8, "program/") != 0)
				continue;
			const auto stock = Times.find("stock/" + name.substr(8));
			if (stock == Times.end())
				continue;
			std::printf("  %-28s cpu %.3f  real %.3f\n", name.substr(8).c_str(),
				entry.second.Cpu / stock->second.Cpu, entry.second.Real / stock->second.Real);
		}
	}

private:
	struct STimes
	{
		double Cpu;
		double Real;
	};
	std::map<std::string, STimes> Times;
};

void registerFor(IrrlichtDevice* device, const char* driverName)
{
	for (u32 count : NODE_COUNTS)
	{
		// Program and stock side by side, so that both meet the machine in the same state.
		for (bool program : { true, false })
		{
			const std::string name = std::string(program ? "program/" : "stock/") + driverName;
			benchmark::RegisterBenchmark(name.c_str(), [device, program](benchmark::State& state) {
				drawFrames(state, device, program);
			})->Arg(count)->Unit(benchmark::kMicrosecond);
		}
	}
}

} // end anonymous namespace

int main(int argc, char** argv)
{
	benchmark::Initialize(&argc, argv);
	if (benchmark::ReportUnrecognizedArguments(argc, argv))
		return 1;

	IrrlichtDevice* nullDevice = createBenchDevice(video::EDT_NULL);
	IrrlichtDevice* openGLDevice = std::getenv("DISPLAY") ? createBenchDevice(video::EDT_OPENGL) : 0;
	if (!nullDevice)
	{
		std::fprintf(stderr, "no null device\n");
		return 1;
	}
	registerFor(nullDevice, "null");
	if (openGLDevice)
		registerFor(openGLDevice, "opengl");
	else
		std::fprintf(stderr, "no display: the OpenGL runs are left out\n");

	CRatioReporter reporter;
	benchmark::RunSpecifiedBenchmarks(&reporter);
	benchmark::Shutdown();
	if (openGLDevice)
		openGLDevice->drop();
	nullDevice->drop();
	return 0;
}
