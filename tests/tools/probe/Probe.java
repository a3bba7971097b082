// Reports what the viewer gave it, and what the window around it shows.
import java.applet.*;
import java.awt.*;

public class Probe extends Applet {
    public void init() {
        System.out.println(getParameter("GREETING") + " | " + getCodeBase().getPath().endsWith("/classes/")
                           + " | " + getDocumentBase().getPath().endsWith("/page.html")
                           + " | " + (getImage(getCodeBase(), "none.png") != null));
    }

    public void start() {
        showStatus("status of " + getParameter("greeting"));
        Container window = getParent();
        String status = "";
        for (Component part : window.getComponents())
            if (part instanceof Label)
                status = ((Label) part).getText();
        System.out.println(((Frame) window).getTitle() + " | " + getWidth() + "x" + getHeight()
                           + " | " + status + " | " + isActive());
    }

    public void stop() { System.out.println("stop " + getParameter("greeting")); }

    public void destroy() { System.out.println("destroy " + getParameter("greeting")); }
}
