/*
     Project:   MyApp
     Creator:   Orvane 1.01
     Author:    Jane Doe
     Copyright: ©2001
     Descrpion: A test applet.
*/

// Import header files
import java.awt.*;
import java.awt.event.*;

public class MyApp extends Frame implements WindowListener, ActionListener
{ 
        // Declare global variables here
     MenuBar mnuBar = new MenuBar();
          Menu mnuFile = new Menu("File");
            MenuItem mnuFileExit = new MenuItem("Exit");
          Menu mnuHelp = new Menu("Help");
            MenuItem mnuHelpAbout = new MenuItem("About...");

     public MyApp(String frmTitle)
     {
        // Initialize program here
        super(frmTitle);
        addWindowListener(this);

        // Initialize the menu bar
        setMenuBar(mnuBar);
        mnuBar.add(mnuFile);
             mnuFile.add(mnuFileExit);
             mnuFileExit.addActionListener(this);
        mnuBar.add(mnuHelp);
             mnuHelp.add(mnuHelpAbout);
             mnuHelpAbout.addActionListener(this);
     }

     public static void main(String args[])
     {
        // Execution code goes here
        MyApp theApp = new MyApp("Application Title Goes Here");
        theApp.setSize(500, 300);
        theApp.show();
     }

     public void quitApplication()
     {
        // Terminate application
        setVisible(false);
        dispose();
        System.exit(0);
     }

     public void windowClosing(WindowEvent we)
     {
        // Make subroutine call to terminate application
        quitApplication();
     }

     public void actionPerformed(ActionEvent ae)
     {
        // Handle mnuFileExit event
        if (ae.getSource() == mnuFileExit)
        {
               quitApplication();
        }

        // Handle mnuHelpAbout event
        if (ae.getSource() == mnuHelpAbout)
        {
               // Display a message box
        }

        // Handle all other application events here

     }

     public void windowClosed(WindowEvent we) 
     {
        // Handle events here

     }

     public void windowOpened(WindowEvent we) 
     {
        // Handle events here

     }

     public void windowActivated(WindowEvent we) 
     {
        // Handle events here

     }

     public void windowDeactivated(WindowEvent we) 
     {
        // Handle events here

     }

     public void windowIconified(WindowEvent we) 
     {
        // Handle events here

     }

     public void windowDeiconified(WindowEvent we) 
     {
        // Handle events here

     }

}
