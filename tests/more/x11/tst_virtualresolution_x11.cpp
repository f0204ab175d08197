// On a private Xvfb display under a window manager (openbox): the virtual-resolution host with
// real clicks and keys, as xdotool sends them through the X server.

#include "testapp.h"
#include "virtualresolution/hybridwidget.h"
#include "virtualresolution/virtualresolutionwidget.h"
#include "x11desktop.h"

#include <QtTest>
#include <QtWidgets>

using namespace QMWidgets;
using namespace X11Desktop;

namespace {
bool type(const QString& text)
{
    return xdotool({ "type", "--delay", "30", text });
}

// Where a rectangle of a widget of the content is drawn on the screen, in virtual mode.
QRect onScreen(const VirtualResolutionWidget& view, const QWidget& content, const QRect& rect)
{
    const QPointF origin = content.mapTo(view.widget(), QPoint());
    const QGraphicsView* graphics = view.graphicsView();
    const QRect inViewport = graphics->mapFromScene(QRectF(rect).translated(origin)).boundingRect();
    return inViewport.translated(graphics->viewport()->mapToGlobal(QPoint()));
}
} // namespace

class TestVirtualResolutionX11 : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QCOMPARE(QGuiApplication::platformName(), QStringLiteral("xcb"));
        m_openbox.reset(new WindowManager);
        QVERIFY(m_openbox->isRunning());
    }

    void cleanupTestCase() { m_openbox.reset(); }

    void everyPartOfTallContentIsShownAndTakesClicks_data()
    {
        QTest::addColumn<QSize>("virtualSize");
        QTest::addColumn<bool>("deleteHost"); // from the bottom button's clicked
        // The content cannot be made smaller than 200 x 425.
        QTest::newRow("300 x 200") << QSize(300, 200) << false;
        QTest::newRow("100 x 100") << QSize(100, 100) << false;
        QTest::newRow("1024 x 768") << QSize(1024, 768) << false;
        QTest::newRow("1024 x 768, host deleted from the click") << QSize(1024, 768) << true;
    }

    void everyPartOfTallContentIsShownAndTakesClicks()
    {
        QFETCH(QSize, virtualSize);
        QFETCH(bool, deleteHost);
        QPointer<HybridWidget> hybrid = new HybridWidget;
        QPointer<QWidget> content = new QWidget;
        content->setMinimumSize(200, 425);
        auto* layout = new QVBoxLayout(content);
        auto* top = new QPushButton("Top");
        auto* bottom = new QPushButton("Bottom");
        layout->addWidget(top);
        layout->addStretch(1);
        layout->addWidget(bottom);
        hybrid->addWidget(content);
        hybrid->resize(320, 480);
        hybrid->show();
        QVERIFY(QTest::qWaitForWindowExposed(hybrid));
        hybrid->slotSetVirtualResolutionMode(true);
        hybrid->slotSetSize(virtualSize);
        QPointer<VirtualResolutionWidget> view = hybrid->resolutionView();
        view->setGeometry(100, 100, 400, 300);
        QVERIFY(QTest::qWaitForWindowExposed(view));
        QTest::qWait(300); // the window manager's frame around it settles

        // The whole content lies inside the view (a pixel of rounding aside).
        const QRect viewport(view->graphicsView()->viewport()->mapToGlobal(QPoint()),
                             view->graphicsView()->viewport()->size());
        const QRect shown = onScreen(*view, *content, content->rect());
        QVERIFY2(viewport.adjusted(-1, -1, 1, 1).contains(shown),
                 qPrintable(QStringLiteral("content at %1,%2 %3 x %4 in the view at %5,%6 %7 x %8")
                                .arg(shown.x())
                                .arg(shown.y())
                                .arg(shown.width())
                                .arg(shown.height())
                                .arg(viewport.x())
                                .arg(viewport.y())
                                .arg(viewport.width())
                                .arg(viewport.height())));

        QSignalSpy topClicked(top, &QPushButton::clicked), bottomClicked(bottom, &QPushButton::clicked);
        if (deleteHost)
            connect(bottom, &QPushButton::clicked, [&hybrid] { delete hybrid; });
        QVERIFY(clickAt(onScreen(*view, *bottom, bottom->rect()).center()));
        QTRY_COMPARE(bottomClicked.count(), 1);
        if (deleteHost) {
            QVERIFY(hybrid.isNull());
            QTRY_VERIFY(content.isNull() && view.isNull());
            return;
        }
        QVERIFY(clickAt(onScreen(*view, *top, top->rect()).center()));
        QTRY_COMPARE(topClicked.count(), 1);
        QCOMPARE(bottomClicked.count(), 1);
        delete hybrid;
    }

    void keysGoToTheFocusedFieldInBothModes()
    {
        HybridWidget hybrid;
        auto* button = new QPushButton("First in the focus chain");
        auto* first = new QLineEdit;
        auto* second = new QLineEdit;
        for (QWidget* widget :
             { static_cast<QWidget*>(button), static_cast<QWidget*>(first), static_cast<QWidget*>(second) })
            hybrid.addWidget(widget);
        hybrid.resize(300, 120);
        hybrid.show();
        QVERIFY(activate(hybrid));
        second->setFocus();
        QVERIFY(type("ab"));
        QTRY_COMPARE(second->text(), QStringLiteral("ab"));

        // Typing goes on in the same field without a click, in the view and back in the window.
        hybrid.slotSetVirtualResolutionMode(true);
        QTRY_VERIFY(hybrid.resolutionView()->isActiveWindow());
        QVERIFY(type("cd"));
        QTRY_COMPARE(second->text(), QStringLiteral("abcd"));
        hybrid.slotSetVirtualResolutionMode(false);
        QTRY_VERIFY(hybrid.isActiveWindow());
        QVERIFY(type("ef"));
        QTRY_COMPARE(second->text(), QStringLiteral("abcdef"));
        QCOMPARE(first->text(), QString());
    }

private:
    QScopedPointer<WindowManager> m_openbox;
};

LUMASTRAND_APP_TEST_MAIN(TestVirtualResolutionX11)
#include "tst_virtualresolution_x11.moc"
