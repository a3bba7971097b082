package javax.swing;

import java.applet.Applet;
import java.awt.AWTEvent;
import java.awt.BorderLayout;
import java.awt.Component;
import java.awt.Container;
import java.awt.Graphics;
import java.awt.HeadlessException;
import java.awt.LayoutManager;
import javax.accessibility.Accessible;
import javax.accessibility.AccessibleContext;

/**
 * An applet made of Swing components: like a JFrame it holds one root pane, and what is added
 * to it goes into the root pane's content pane.
 */
public class JApplet extends Applet implements Accessible, RootPaneContainer {
    private static final long serialVersionUID = 1L;

    /** The one child of the applet. */
    protected JRootPane rootPane;

    /** While true, add and setLayout go to the content pane. */
    protected boolean rootPaneCheckingEnabled;

    private TransferHandler transferHandler;

    /** A new Swing applet; there is none without a display. */
    public JApplet() throws HeadlessException {
        setBackground(UIManager.getColor("control"));
        setLocale(JComponent.getDefaultLocale());
        setLayout(new BorderLayout());
        setRootPane(createRootPane());
        setRootPaneCheckingEnabled(true);
        setFocusTraversalPolicyProvider(true);
        enableEvents(AWTEvent.KEY_EVENT_MASK);
    }

    /** The root pane a new applet starts with. */
    protected JRootPane createRootPane() {
        JRootPane pane = new JRootPane();
        pane.setOpaque(true);
        return pane;
    }

    public void setTransferHandler(TransferHandler newHandler) {
        TransferHandler old = transferHandler;
        transferHandler = newHandler;
        firePropertyChange("transferHandler", old, newHandler);
    }

    public TransferHandler getTransferHandler() { return transferHandler; }

    /** Paints without clearing first: the root pane covers the whole applet. */
    @Override
    public void update(Graphics g) {
        paint(g);
    }

    public void setJMenuBar(JMenuBar menuBar) { getRootPane().setJMenuBar(menuBar); }

    public JMenuBar getJMenuBar() { return getRootPane().getJMenuBar(); }

    protected boolean isRootPaneCheckingEnabled() { return rootPaneCheckingEnabled; }

    protected void setRootPaneCheckingEnabled(boolean enabled) { rootPaneCheckingEnabled = enabled; }

    @Override
    protected void addImpl(Component comp, Object constraints, int index) {
        if (isRootPaneCheckingEnabled())
            getContentPane().add(comp, constraints, index);
        else
            super.addImpl(comp, constraints, index);
    }

    @Override
    public void remove(Component comp) {
        if (comp == rootPane)
            super.remove(comp);
        else
            getContentPane().remove(comp);
    }

    @Override
    public void setLayout(LayoutManager manager) {
        if (isRootPaneCheckingEnabled())
            getContentPane().setLayout(manager);
        else
            super.setLayout(manager);
    }

    @Override
    public JRootPane getRootPane() {
        return rootPane;
    }

    protected void setRootPane(JRootPane root) {
        if (rootPane != null)
            remove(rootPane);
        rootPane = root;
        if (rootPane != null) {
            boolean checking = isRootPaneCheckingEnabled();
            try {
                setRootPaneCheckingEnabled(false);
                add(rootPane, BorderLayout.CENTER);
            } finally {
                setRootPaneCheckingEnabled(checking);
            }
        }
    }

    @Override
    public Container getContentPane() {
        return getRootPane().getContentPane();
    }

    @Override
    public void setContentPane(Container contentPane) {
        getRootPane().setContentPane(contentPane);
    }

    @Override
    public JLayeredPane getLayeredPane() {
        return getRootPane().getLayeredPane();
    }

    @Override
    public void setLayeredPane(JLayeredPane layeredPane) {
        getRootPane().setLayeredPane(layeredPane);
    }

    @Override
    public Component getGlassPane() {
        return getRootPane().getGlassPane();
    }

    @Override
    public void setGlassPane(Component glassPane) {
        getRootPane().setGlassPane(glassPane);
    }

    @Override
    protected String paramString() {
        return super.paramString() + ",rootPane=" + rootPane +
               ",rootPaneCheckingEnabled=" + rootPaneCheckingEnabled;
    }

    @Override
    public AccessibleContext getAccessibleContext() {
        if (accessibleContext == null)
            accessibleContext = new AccessibleJApplet();
        return accessibleContext;
    }

    /** The applet as assistive technology sees it. */
    protected class AccessibleJApplet extends AccessibleApplet {
        private static final long serialVersionUID = 1L;

        protected AccessibleJApplet() {}
    }
}
