#include "player/CPlayer.h"

#include "behaviours/CVeskAnimatorCameraFPS.h"
#include "behaviours/veskBehaviours.h"
#include "document/CVeskDocument.h"
#include "document/publishedExecutable.h"
#include "platform/ownExecutablePath.h"
#include "platform/wholeFile.h"
#include "player/CDebugConsole.h"
#include "player/CEdrixServices.h"
#include "player/CFrameLimiter.h"
#include "player/CLoadingScreen.h"
#include "player/CPlayerDeviceFactory.h"
#include "player/CVeskWarningAndErrorReceiver.h"
#include "render/CVeskDriverExtension.h"
#include "render/CVeskSceneManagerExtension.h"
#include "render/veskMaterialRenderers.h"
#include "render/veskSceneManager.h"
#include "scene/CVesk3DScene.h"
#include "scene/CVeskCameraSceneNode.h"
#include "scene/CVeskScene.h"

#include <ICursorControl.h>
#include <ILogger.h>
#include <IGUIEnvironment.h>
#include <IMetaTriangleSelector.h>
#include <ITimer.h>
#include <IVideoDriver.h>
#include <Keycodes.h>

using namespace irr;

namespace
{

CPlayer* ThePlayer = 0;

//! The loading screen stays up at least this long when there is a loading image.
const u32 MINIMUM_LOADING_SCREEN_MS = 4000;

} // end anonymous namespace

CPlayer* CPlayer::getInstance()
{
	return ThePlayer;
}

CPlayer::CPlayer(bool debug, bool windowed, bool headMountedDisplay, const char* scriptPath,
	const core::dimension2di* windowSize)
	: Debug(debug)
{
	// This player has no head-mounted display mode.
	(void)headMountedDisplay;
	const io::path ownPath = hx::platform::getOwnExecutablePath();
	io::IReadFile* executable = ownPath.size() ? io::createReadFile(ownPath) : 0;
	construct(executable, windowed, scriptPath, windowSize);
	if (executable)
		executable->drop();
}

CPlayer::CPlayer(io::IReadFile* executable, bool debug, bool windowed, const char* scriptPath,
	const core::dimension2di* windowSize)
	: Debug(debug)
{
	construct(executable, windowed, scriptPath, windowSize);
}

void CPlayer::construct(io::IReadFile* executable, bool windowed, const char* scriptPath,
	const core::dimension2di* windowSize)
{
	ThePlayer = this;

	ExecutableFile = executable;
	if (ExecutableFile)
		ExecutableFile->grab();
	readPublishedTrailer(ExecutableFile, Trailer);

	if (!windowSize && !windowed && (Trailer.flags & SPublishedTrailer::ETF_USE_DESKTOP_SIZE))
	{
		const core::dimension2du desktop = CPlayerDeviceFactory::queryDesktopSize();
		if (desktop.Width > 0 && desktop.Height > 0)
		{
			Trailer.windowWidth = s32(desktop.Width);
			Trailer.windowHeight = s32(desktop.Height);
		}
	}

	createDevice(windowed, windowSize);
	if (!Device)
		return;

	showLoadingScreen();
	const u32 loadingStart = Device->getTimer()->getRealTime();

	Services = new CEdrixServices(Device);
	io::IReadFile* documentFile = openDocumentFile(ExecutableFile, Trailer);
	CVeskWarningAndErrorReceiver* receiver = loadDocument(documentFile);
	if (documentFile)
		documentFile->drop();
	Services->setControlInterface(this);

	if (Debug)
	{
		Console = new CDebugConsole(Device->getGUIEnvironment(),
			core::dimension2du(u32(Trailer.windowWidth), u32(Trailer.windowHeight)));
		CloseOnEscape = true;
	}

	updateWindowCaption(false);

	activateScene(Document->getStartScene());

	if (scriptPath)
		replaceScriptText(scriptPath);
	// The global script and the queued embedded scripts are run by the script engine; without
	// one there is nothing to run them.
	receiver->drop();

	keepLoadingScreenUp(loadingStart);
}

CPlayer::~CPlayer()
{
	if (Document)
		Document->drop();
	for (u32 i = 0; i < InitializedScenes.size(); ++i)
		if (InitializedScenes[i].worldSelector)
			InitializedScenes[i].worldSelector->drop();
	setCurrentScriptBehaviour(0);
	Variables.clear();
	if (PendingCamera)
		PendingCamera->drop();
	if (CurrentSceneManager)
		CurrentSceneManager->drop();
	delete Console;
	if (Device)
		Device->drop();
	if (Services)
		Services->drop();
	if (ExecutableFile)
		ExecutableFile->drop();
	ThePlayer = 0;
}

void CPlayer::createDevice(bool windowed, const core::dimension2di* windowSize)
{
	if (windowSize)
	{
		Trailer.windowWidth = windowSize->Width;
		Trailer.windowHeight = windowSize->Height;
	}
	Device = CPlayerDeviceFactory::createDevice(CPlayerDeviceFactory::makeParameters(Trailer, windowed, windowSize, this));
	// Before anything else adds renderers, so that the program's types get their stored numbers.
	if (Device)
		installVeskMaterialRenderers(Device);
}

void CPlayer::showLoadingScreen()
{
	io::IReadFile* imageFile = openLoadingImageFile(ExecutableFile, Trailer);
	if (imageFile)
	{
		LoadingImage = CLoadingScreen::loadImage(Device, imageFile);
		imageFile->drop();
	}
	CLoadingScreen::draw(Device, Trailer, LoadingImage);
	updateWindowCaption(true);
}

CVeskWarningAndErrorReceiver* CPlayer::loadDocument(io::IReadFile* file)
{
	Document = new CVeskDocument(Device);
	CVeskWarningAndErrorReceiver* receiver = new CVeskWarningAndErrorReceiver();
	Document->setWarningReceiver(receiver);
	if (file)
	{
		const s32 result = Document->load(file, 0);
		if (result != CVeskDocument::LOAD_OK)
			Device->getLogger()->log("The document could not be loaded, code", core::stringc(result).c_str(), ELL_ERROR);
	}
	Document->setWarningReceiver(0);
	Services->setDocument(Document);
	return receiver;
}

void CPlayer::replaceScriptText(const char* scriptPath)
{
	std::string text;
	if (!hx::platform::readWholeFile(scriptPath, text))
	{
		addConsoleLine((core::stringw(L"Warning: could not open script file ") + core::stringw(scriptPath)).c_str(), false);
		return;
	}
	if (!text.empty())
		Document->setScriptText(core::stringc(text.c_str(), u32(text.size())));
}

void CPlayer::addConsoleLine(const wchar_t* text, bool allowRepeat)
{
	if (Console)
		Console->addLine(text, allowRepeat);
}

void CPlayer::activateScene(CVeskScene* scene)
{
	if (!scene)
		return;
	if (CurrentSceneManager)
		CurrentSceneManager->drop();
	CurrentScene = scene;
	CurrentSceneManager = scene->getSceneManager();
	if (!CurrentSceneManager)
		return;
	CurrentSceneManager->grab();

	for (u32 i = 0; i < InitializedScenes.size(); ++i)
		if (InitializedScenes[i].scene == scene)
		{
			CurrentWorldSelector = InitializedScenes[i].worldSelector;
			showCursorForActiveCamera();
			return;
		}

	SInitializedSceneData entry;
	entry.scene = scene;
	entry.worldSelector = scene->createWorldCollisionSelector();
	CurrentWorldSelector = entry.worldSelector;
	handWorldSelectorToBehaviours(CurrentSceneManager->getRootSceneNode(), CurrentWorldSelector);

	scene::ICameraSceneNode* camera = scene->findActiveCamera();
	if (!camera)
	{
		CVeskCameraSceneNode* defaultCamera = new CVeskCameraSceneNode(CurrentSceneManager->getRootSceneNode(),
			CurrentSceneManager, -1, core::vector3df(0, 0, 0), core::vector3df(0, 0, 100));
		if (scene->getSceneType() == 0)
		{
			const CVesk3DScene* scene3D = static_cast<const CVesk3DScene*>(scene);
			defaultCamera->setPosition(scene3D->getDefaultCameraPosition());
			defaultCamera->updateAbsolutePosition();
			defaultCamera->setTarget(scene3D->getDefaultCameraTarget());
		}
		scene::CVeskAnimatorCameraFPS* walking = new scene::CVeskAnimatorCameraFPS(CurrentSceneManager,
			Device->getCursorControl(), 0, 0, false, 300.f, 0.1f, 4.f);
		defaultCamera->addAnimator(walking);
		walking->drop();
		defaultCamera->drop();
		camera = defaultCamera;
	}
	camera->setInputReceiverEnabled(true);
	CurrentSceneManager->setActiveCamera(camera);
	showCursorForActiveCamera();
	InitializedScenes.push_back(entry);
}

void CPlayer::showCursorForActiveCamera()
{
	Device->getCursorControl()->setVisible(!isCursorHiddenByCamera(CurrentSceneManager->getActiveCamera()));
}

video::SColor CPlayer::getCurrentBackgroundColor() const
{
	return CurrentScene && CurrentSceneManager ? CurrentScene->getBackgroundColor() : video::SColor(0xFF000000);
}

void CPlayer::keepLoadingScreenUp(u32 loadingStart)
{
	if (!LoadingImage || Debug)
		return;
	const s32 elapsed = s32(Device->getTimer()->getRealTime() - loadingStart);
	const s32 wait = s32(MINIMUM_LOADING_SCREEN_MS) - elapsed;
	if (wait > 0)
		Device->sleep(u32(wait) < MINIMUM_LOADING_SCREEN_MS ? u32(wait) : MINIMUM_LOADING_SCREEN_MS);
}

void CPlayer::updateWindowCaption(bool loading)
{
	if (!Device)
		return;
	core::stringw caption;
	if (Document)
		caption += core::stringw(Document->getSettings().applicationTitle.c_str());
	if (loading)
		caption += L"Helixpane Engine, Loading...";
	else if (CloseOnEscape)
		caption += L" - Testing. Press ESCAPE to close";
	if (!loading && Document && Document->getSettings().showFrameRate())
	{
		caption += L" - FPS:";
		caption += core::stringw(Device->getVideoDriver()->getFPS());
	}
	if (caption != LastCaption)
	{
		LastCaption = caption;
		Device->setWindowCaption(caption.c_str());
	}
}

void CPlayer::run()
{
	if (!Device)
		return;
	ITimer* timer = Device->getTimer();
	CFrameLimiter limiter(Trailer.maxFramesPerSecond, timer->getRealTime());
	while (Device->run())
	{
		const u32 now = timer->getRealTime();
		switch (limiter.decide(now, Device->isWindowActive(), false))
		{
		case CFrameLimiter::ED_SLEEP_INACTIVE:
			Device->sleep(CFrameLimiter::INACTIVE_SLEEP_MS);
			break;
		case CFrameLimiter::ED_WAIT:
			Device->sleep(0);
			break;
		case CFrameLimiter::ED_DRAW:
			drawFrame();
			limiter.frameDrawn(now);
			break;
		}
	}
}

void CPlayer::drawFrame()
{
	scene::ISceneManager* sceneManager = CurrentSceneManager;
	if (sceneManager)
		sceneManager->grab();
	video::IVideoDriver* driver = Device->getVideoDriver();
	driver->beginScene(true, true, getCurrentBackgroundColor());
	CVeskSceneManagerExtension* extension = getSceneExtension(sceneManager);
	if (extension)
		extension->drawAll(Device->getTimer()->getTime());
	Device->getGUIEnvironment()->drawAll();
	driver->endScene();
	++FramesDrawn;
	applyPendingCamera();
	if (Document && Document->getSettings().showFrameRate())
		updateWindowCaption(false);
	if (Console)
		Console->layout(driver->getScreenSize());
	if (sceneManager)
		sceneManager->drop();
}

bool CPlayer::OnEvent(const SEvent& event)
{
	// Log lines are taken here so that the engine's logger never writes to standard output.
	if (event.EventType == EET_LOG_TEXT_EVENT)
	{
		if (event.LogEvent.Text)
			addConsoleLine(core::stringw(event.LogEvent.Text).c_str(), false);
		return true;
	}
	if (event.EventType == EET_KEY_INPUT_EVENT && CloseOnEscape && event.KeyInput.Key == KEY_ESCAPE)
	{
		if (Device)
			Device->closeDevice();
		return true;
	}
	if (!CurrentSceneManager)
		return false;
	CVeskSceneManagerExtension* extension = getSceneExtension(CurrentSceneManager);
	return extension ? extension->postEventFromUser(event) : CurrentSceneManager->postEventFromUser(event);
}
