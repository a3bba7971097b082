/*
     Project:   MyApplet
     Creator:   Orvane 1.01
     Author:    Jane Doe
     Copyright: ©2001
     Descrpion: A test applet.
*/

// Import header files
import java.applet.*;
import java.awt.*;
import java.awt.event.*;

public class MyApplet extends Applet implements ActionListener
{ 
        // Declare global variables here

     public void init()
     {
                // Execution code goes here

     }

     public void actionPerformed(ActionEvent ae)
     {
                // Handle triggered events here

     }
}
